#include "tasks/reaction/click_cell.h"

#include <QMouseEvent>

namespace zorna {

ClickCell::ClickCell(int index, QWidget* parent) : QLabel(parent), index_(index) {}

void ClickCell::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

void ClickCell::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        emit clicked(index_);
}

} // namespace zorna
