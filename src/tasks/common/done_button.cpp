#include "tasks/common/done_button.h"

#include "platform/pictures.h"
#include "tasks/common/answer_region.h"

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

void DoneButton::paintEvent(QPaintEvent*) {
    QPainter(this).drawPixmap(0, 0, pixmap());
}

} // namespace zorna
