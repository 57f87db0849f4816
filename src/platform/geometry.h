#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QWidget;

namespace zorna {

// Window layouts are given in twips; 15 twips make one pixel.
constexpr int tw(int twips) {
    return twips / 15;
}
constexpr QRect twRect(int left, int top, int width, int height) {
    return QRect(tw(left), tw(top), tw(width), tw(height));
}

// Places a control at a twips rectangle.
void placeTw(QWidget* widget, int left, int top, int width, int height);
// Fixes a window's client area to a twips size.
void setClientSizeTw(QWidget* window, int width, int height);

// Font by family name ("Arial", "Times New Roman", "MS Sans Serif"); fontconfig
// maps them to metric-compatible free fonts.
QFont gameFont(const QString& family, double pointSize, bool bold = false);

// Makes the fonts the windows ask for available to the program: Debian keeps
// Wine's MS Sans Serif (with Cyrillic) outside fontconfig's folders. Call once
// after the application object exists.
void registerGameFonts();

// Solid background colour of a widget.
void setBackground(QWidget* widget, const QColor& colour);

} // namespace zorna
