#pragma once

// Simple figures for the pattern windows: a shape in a colour, filled or
// outlined, turned in eighths of a full turn, drawn once or several times.

#include <QPainter>
#include <QRectF>

namespace zorna::assets::sc {

enum GlyphShape { Circle, Square, Triangle, Star, Arrow, Clock, Cross, kGlyphShapes };
inline constexpr int kGlyphColours = 6;

struct Glyph {
    int shape = Circle;
    int colour = 0;
    bool filled = true;
    int turn = 0;  // eighths, clockwise
    int count = 1; // 1..6 copies
    // Equal as drawn: a circle has no turn, a square or cross repeats every quarter turn.
    Glyph normalised() const;
    friend bool operator==(const Glyph& a, const Glyph& b) {
        const Glyph x = a.normalised(), y = b.normalised();
        return x.shape == y.shape && x.colour == y.colour && x.filled == y.filled && x.turn == y.turn &&
               x.count == y.count;
    }
};

QColor glyphColour(int colour);
bool hasDirection(int shape);
void drawGlyph(QPainter& p, const QRectF& box, const Glyph& g);
void drawQuestionMark(QPainter& p, const QRectF& box);

} // namespace zorna::assets::sc
