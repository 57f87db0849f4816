#include "tasks/common/region_keys.h"

#include "platform/focus_ring.h"
#include "tasks/common/answer_region.h"

#include <QKeyEvent>

namespace zorna {

int RegionKeys::press(const QKeyEvent& event, bool& handled) {
    handled = true;
    switch (event.key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        highlight(step(+1));
        return 0;
    case Qt::Key_Left:
    case Qt::Key_Up:
        highlight(step(-1));
        return 0;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        return highlighted_;
    default:
        handled = false;
        return 0;
    }
}

void RegionKeys::clear() {
    highlight(0);
}

int RegionKeys::step(int direction) const {
    const int count = int(regions_.size());
    // From no highlight the first step lands on the first (or the last) region shown.
    int position = direction > 0 ? -1 : count;
    for (int i = 0; i < count; ++i)
        if (regions_[i]->index() == highlighted_)
            position = i;
    for (int i = 1; i <= count; ++i) {
        const int candidate = ((position + direction * i) % count + count) % count;
        if (!regions_[candidate]->isHidden())
            return regions_[candidate]->index();
    }
    return 0;
}

void RegionKeys::highlight(int index) {
    highlighted_ = index;
    for (AnswerRegion* region : regions_)
        region->setMark(region->index() == index ? QColor(QLatin1String(kFocusRingColour)) : QColor());
}

} // namespace zorna
