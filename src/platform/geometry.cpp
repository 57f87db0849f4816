#include "platform/geometry.h"

#include <QFileInfo>
#include <QFontDatabase>
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

void registerGameFonts() {
    static const char* const kFontFiles[] = {"/usr/share/wine/fonts/ms_sans_serif.ttf"};
    for (const char* file : kFontFiles)
        if (QFileInfo::exists(QString::fromLatin1(file)))
            QFontDatabase::addApplicationFont(QString::fromLatin1(file));
}

void setBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace zorna
