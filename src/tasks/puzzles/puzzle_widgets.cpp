#include "tasks/puzzles/puzzle_widgets.h"

#include "tasks/common/done_button.h"

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

QPixmap puzzlePicture(const QString& name, QSize size) {
    return renderPicture(QStringLiteral(":/puzzles/") + name, size);
}

} // namespace zorna
