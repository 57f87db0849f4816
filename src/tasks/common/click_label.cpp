#include "tasks/common/click_label.h"

#include <QMouseEvent>

namespace zorna {

ClickLabel::ClickLabel(int index, QWidget* parent) : QLabel(parent), index_(index) {}

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click)
        emit clicked(index_);
}

} // namespace zorna
