#include "tasks/puzzles/puzzle_widgets.h"

#include "tasks/common/done_button.h"

#include <QMouseEvent>
#include <QPainter>

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

PictureBox::PictureBox(QWidget* parent, QColor background, bool border)
    : QWidget(parent), background_(background), border_(border) {}

void PictureBox::setPixmap(const QPixmap& pixmap) {
    pixmap_ = pixmap;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (background_.alpha() > 0)
        p.fillRect(rect(), background_);
    const int inset = border_ ? 1 : 0;
    if (!pixmap_.isNull())
        p.drawPixmap(inset, inset, pixmap_, 0, 0, width() - 2 * inset, height() - 2 * inset);
    if (border_) {
        p.setPen(QColor(0x404040));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

QPixmap puzzlePicture(const QString& name, QSize size) {
    return renderPicture(QStringLiteral(":/puzzles/") + name, size);
}

} // namespace zorna
