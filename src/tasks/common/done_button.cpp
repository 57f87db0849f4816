#include "tasks/common/done_button.h"

#include "platform/focus_ring.h"
#include "platform/pictures.h"
#include "tasks/common/answer_region.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace zorna {

DoneButton::DoneButton(const ProgramFolder& folder, QWidget* parent, const rules::Drawing& drawing)
    : QLabel(parent) {
    setObjectName(QStringLiteral("Image2"));
    setFixedSize(drawing.size());
    setPixmap(loadDrawing(folder, drawing));
    setCursor(pointingHandCursor(folder));
    setToolTip(QStringLiteral("Готово"));
}

// A click is a left-button press and release inside the button.
void DoneButton::mousePressEvent(QMouseEvent* event) {
    // Another button gives up a click the left one started.
    if (event->button() == Qt::LeftButton)
        click_.press(*event);
    else
        click_.cancel();
}

void DoneButton::mouseReleaseEvent(QMouseEvent* event) {
    if (click_.release(*this, *event))
        emit clicked();
}

void DoneButton::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit clicked();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void DoneButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(0, 0, pixmap());
    if (hasFocus()) {
        constexpr int kRing = 2;
        p.setPen(QPen(QColor(QLatin1String(kFocusRingColour)), kRing));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(rect()).adjusted(kRing / 2.0, kRing / 2.0, -kRing / 2.0, -kRing / 2.0));
    }
}

} // namespace zorna
