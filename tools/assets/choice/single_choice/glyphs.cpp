#include "glyphs.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <vector>

namespace zorna::assets::sc {

Glyph Glyph::normalised() const {
    Glyph g = *this;
    g.turn = ((g.turn % 8) + 8) % 8;
    if (g.shape == Circle)
        g.turn = 0;
    if (g.shape == Square || g.shape == Cross)
        g.turn %= 2;
    if (g.shape == Clock)
        g.filled = false;
    return g;
}

QColor glyphColour(int colour) {
    static const QColor colours[kGlyphColours] = {QColor(220, 40, 40),  QColor(30, 150, 60),
                                                  QColor(40, 80, 220),  QColor(245, 150, 20),
                                                  QColor(150, 60, 190), QColor(40, 40, 40)};
    return colours[((colour % kGlyphColours) + kGlyphColours) % kGlyphColours];
}

bool hasDirection(int shape) {
    return shape == Triangle || shape == Arrow || shape == Clock;
}

namespace {

// One shape centred at 0,0 with radius 1, pointing up before the turn.
QPainterPath shapePath(int shape) {
    QPainterPath path;
    switch (shape) {
    case Circle:
        path.addEllipse(QPointF(0, 0), 0.9, 0.9);
        break;
    case Square:
        path.addRect(-0.75, -0.75, 1.5, 1.5);
        break;
    case Triangle:
        path.moveTo(0, -0.95);
        path.lineTo(0.85, 0.6);
        path.lineTo(-0.85, 0.6);
        path.closeSubpath();
        break;
    case Star:
        for (int i = 0; i < 10; ++i) {
            const double a = -M_PI / 2 + i * M_PI / 5;
            const double r = i % 2 ? 0.42 : 1.0;
            const QPointF pt(r * std::cos(a), r * std::sin(a));
            if (i == 0)
                path.moveTo(pt);
            else
                path.lineTo(pt);
        }
        path.closeSubpath();
        break;
    case Arrow:
        path.moveTo(0, -0.95);
        path.lineTo(0.7, -0.2);
        path.lineTo(0.25, -0.2);
        path.lineTo(0.25, 0.9);
        path.lineTo(-0.25, 0.9);
        path.lineTo(-0.25, -0.2);
        path.lineTo(-0.7, -0.2);
        path.closeSubpath();
        break;
    case Cross:
        path.addRect(-0.25, -0.9, 0.5, 1.8);
        path.addRect(-0.9, -0.25, 1.8, 0.5);
        path.setFillRule(Qt::WindingFill);
        path = path.simplified();
        break;
    default:
        break;
    }
    return path;
}

void drawOne(QPainter& p, const QPointF& centre, double radius, const Glyph& g) {
    p.save();
    p.translate(centre);
    p.rotate(g.turn * 45.0);
    p.scale(radius, radius);
    const QColor c = glyphColour(g.colour);
    if (g.shape == Clock) {
        p.setPen(QPen(QColor(40, 40, 40), 0.12));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(0, 0), 0.92, 0.92);
        p.setPen(QPen(c, 0.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(0, 0), QPointF(0, -0.7));
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawEllipse(QPointF(0, 0), 0.14, 0.14);
    } else {
        p.setPen(QPen(c, g.filled ? 0.06 : 0.16, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(g.filled ? QBrush(c) : QBrush(Qt::white));
        p.drawPath(shapePath(g.shape));
    }
    p.restore();
}

} // namespace

void drawGlyph(QPainter& p, const QRectF& box, const Glyph& g) {
    static const std::vector<std::vector<QPointF>> spots = {
        {{0, 0}},
        {{-0.5, 0}, {0.5, 0}},
        {{0, -0.5}, {-0.5, 0.45}, {0.5, 0.45}},
        {{-0.5, -0.5}, {0.5, -0.5}, {-0.5, 0.5}, {0.5, 0.5}},
        {{-0.55, -0.55}, {0.55, -0.55}, {0, 0}, {-0.55, 0.55}, {0.55, 0.55}},
        {{-0.45, -0.68}, {0.45, -0.68}, {-0.45, 0}, {0.45, 0}, {-0.45, 0.68}, {0.45, 0.68}},
    };
    const int n = std::clamp(g.count, 1, 6);
    const double half = std::min(box.width(), box.height()) / 2.0;
    const double radius = n == 1 ? half * 0.9 : (n <= 2 ? half * 0.42 : (n <= 5 ? half * 0.34 : half * 0.27));
    for (const QPointF& s : spots[std::size_t(n - 1)])
        drawOne(p, box.center() + s * (half * (n == 2 ? 0.95 : 0.8)), radius, g);
}

void drawQuestionMark(QPainter& p, const QRectF& box) {
    p.save();
    p.setPen(QPen(QColor(120, 120, 120), 2, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(box, 6, 6);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setBold(true);
    f.setPixelSize(int(std::min(box.width(), box.height()) * 0.7));
    p.setFont(f);
    p.setPen(QColor(60, 60, 60));
    p.drawText(box, Qt::AlignCenter, QStringLiteral("?"));
    p.restore();
}

} // namespace zorna::assets::sc
