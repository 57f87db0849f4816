#include "stats/svg_picture.h"

#include <QPainter>

namespace zorna {

SvgPicture::SvgPicture(const QString& resource, QWidget* parent) : QWidget(parent), renderer_(resource) {
    setAttribute(Qt::WA_TranslucentBackground);
}

void SvgPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    renderer_.render(&p, QRectF(rect()));
}

} // namespace zorna
