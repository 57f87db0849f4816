#include "platform/geometry.h"

#include <QPalette>
#include <QWidget>

namespace zorna {

void placeTw(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(twRect(left, top, width, height));
}

void setClientSizeTw(QWidget* window, int width, int height) {
    window->setFixedSize(tw(width), tw(height));
}

QFont gameFont(const QString& family, double pointSize, bool bold) {
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

void setBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace zorna
