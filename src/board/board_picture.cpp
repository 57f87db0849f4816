#include "board/board_picture.h"

#include <QPainter>

namespace zorna {

BoardPicture::BoardPicture(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
}

void BoardPicture::setPixmap(const QPixmap& pixmap) {
    pixmap_ = pixmap;
    update();
}

void BoardPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(0, 0, pixmap_);
}

} // namespace zorna
