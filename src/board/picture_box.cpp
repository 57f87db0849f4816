#include "board/picture_box.h"

#include <QPainter>

namespace zorna {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
}

void PictureBox::setPixmap(const QPixmap& pixmap) {
    pixmap_ = pixmap;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(0, 0, pixmap_);
}

} // namespace zorna
