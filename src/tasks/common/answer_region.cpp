#include "tasks/common/answer_region.h"

#include "platform/cursors.h"
#include "platform/program_folder.h"
#include "rules/drawings.h"
#include "rules/picture_names.h"

#include <QMouseEvent>

namespace zorna {

QCursor pointingHandCursor(const ProgramFolder& folder) {
    return drawingCursor(folder, rules::drawings::kPointingHand, QCursor(Qt::PointingHandCursor));
}

AnswerRegion::AnswerRegion(int index, const ProgramFolder& folder, QWidget* parent)
    : QWidget(parent), index_(index), folder_(folder) {
    setObjectName(QStringLiteral("Fokus%1").arg(index));
    setAttribute(Qt::WA_NoSystemBackground);
    setCursor(pointingHandCursor(folder_));
    setMouseTracking(true);
}

void AnswerRegion::loadCursor(const QString& file) {
    setCursor(loadCursorFile(folder_.path(file), cursor()));
}

// A press (the cursor swap) reacts to every button; a click only to the left one.
void AnswerRegion::mousePressEvent(QMouseEvent* event) {
    click_.press(*event);
    if (cursorSwap_)
        loadCursor(rules::moveCursor());
    emit pressed(index_, event->position().toPoint());
}

void AnswerRegion::mouseReleaseEvent(QMouseEvent* event) {
    if (cursorSwap_)
        loadCursor(rules::pointCursor());
    if (click_.release(*this, *event))
        emit clicked(index_);
}

void AnswerRegion::mouseMoveEvent(QMouseEvent*) {
    if (reloadOnMove_)
        loadCursor(rules::pointCursor());
}

} // namespace zorna
