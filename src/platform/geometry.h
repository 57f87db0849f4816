#pragma once

#include "rules/drawings.h"

#include <QFont>
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

namespace zorna {

// Window layouts are given in twips; 15 twips make one pixel.
constexpr int tw(int twips) {
    return rules::twipsToPixels(twips);
}
constexpr QRect twRect(int left, int top, int width, int height) {
    return QRect(tw(left), tw(top), tw(width), tw(height));
}

// Places a control at a twips rectangle.
void placeTw(QWidget* widget, int left, int top, int width, int height);
// Fixes a window's client area to a twips size.
void setClientSizeTw(QWidget* window, int width, int height);

// Font by family name ("Arial", "Times New Roman", "MS Sans Serif"), in the
// installed family that draws it: the family itself, or the first face
// registerGameFonts() names for it.
QFont gameFont(const QString& family, double pointSize, bool bold = false);

// Tells the font matching which scalable faces draw the families the windows
// ask for (Liberation for MS Sans Serif, Arial and Times New Roman, DejaVu
// after them), so every text keeps its point size and weight. Loads no font
// file. Call once after the application object exists.
void registerGameFonts();

// Moves a top-level window, before or after it is shown, so that it stands
// centred over another top-level window (a task window over the board), kept
// inside that window's screen.
void centreOver(QWidget* window, const QWidget* anchor);
// Moves a top-level window to the middle of its screen.
void centreOnScreen(QWidget* window);

// Solid background colour of a widget.
void setBackground(QWidget* widget, const QColor& colour);
// Colour of a widget's text in every state (enabled or not), as the style
// sheet "color: <colour>;" gives it.
void setTextColour(QWidget* widget, const QColor& colour);
// A label with black text on the colour in a one-pixel black frame: the look
// of the style sheet "background: <colour>; border: 1px solid black;", pixel
// for pixel while enabled, without a style sheet's cost at every window open.
void setFramedBackground(QLabel* label, const QColor& colour);

} // namespace zorna
