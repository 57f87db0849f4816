#include "choice/single_choice/cube_faces.h"

#include <QTransform>

#include <algorithm>
#include <cmath>

namespace zorna::assets::sc {

using namespace zorna::rules;

namespace {

// Draws a mark in the unit square (y down), its top towards y = 0.
void drawMarkUnit(QPainter& p, int mark) {
    p.setPen(Qt::NoPen);
    switch (mark) {
    case Dot:
        p.setBrush(QColor(220, 30, 30));
        p.drawEllipse(QPointF(0.5, 0.5), 0.27, 0.27);
        break;
    case UpArrow: {
        p.setBrush(QColor(30, 70, 220));
        const QPointF pts[] = {{0.5, 0.1},  {0.85, 0.5}, {0.62, 0.5}, {0.62, 0.9},
                               {0.38, 0.9}, {0.38, 0.5}, {0.15, 0.5}};
        p.drawPolygon(pts, 7);
        break;
    }
    case Bar:
        p.setBrush(QColor(20, 150, 60));
        p.drawRect(QRectF(0.12, 0.38, 0.76, 0.24));
        break;
    case Corner: {
        p.setBrush(QColor(245, 140, 0));
        const QPointF pts[] = {{0, 0}, {0.6, 0}, {0, 0.6}};
        p.drawPolygon(pts, 3);
        break;
    }
    case Plus:
        p.setBrush(QColor(30, 30, 30));
        p.drawRect(QRectF(0.41, 0.15, 0.18, 0.7));
        p.drawRect(QRectF(0.15, 0.41, 0.7, 0.18));
        break;
    default:
        p.setBrush(QColor(150, 50, 190));
        p.drawRect(QRectF(0, 0, 1, 0.5));
        break;
    }
}

// A face: background, the mark turned clockwise, a border; `shade` darkens the sides of a box.
void drawFaceUnit(QPainter& p, int mark, int turn, int shade) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 225));
    p.drawRect(QRectF(0, 0, 1, 1));
    p.translate(0.5, 0.5);
    p.rotate(90.0 * turn);
    p.translate(-0.5, -0.5);
    drawMarkUnit(p, mark);
    p.restore();
    if (shade > 0) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, shade));
        p.drawRect(QRectF(0, 0, 1, 1));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(40, 40, 40), 0));
    p.drawRect(QRectF(0, 0, 1, 1));
}

struct V3 {
    double x, y, z;
};

// Isometric projection, looking from the right, the front and above.
QPointF project(const V3& v, double s) {
    return {(v.x + v.y) * s * 0.70710678, -(-v.x + v.y + 2 * v.z) * s * 0.40824829};
}

} // namespace

void drawNet(QPainter& p, const QRectF& area, const Net& net) {
    int cols = 0, rows = 0;
    for (const NetSquare& s : net) {
        cols = std::max(cols, s.col + 1);
        rows = std::max(rows, s.row + 1);
    }
    const double side = std::floor(std::min((area.width() - 12) / cols, (area.height() - 12) / rows));
    const QPointF origin(area.center().x() - side * cols / 2, area.center().y() - side * rows / 2);
    for (const NetSquare& s : net) {
        p.save();
        p.translate(origin + QPointF(s.col * side, s.row * side));
        p.scale(side, side);
        drawFaceUnit(p, s.mark, s.turn, 0);
        p.restore();
    }
    // A firmer outline around each square so the folds show.
    p.save();
    p.setPen(QPen(QColor(40, 40, 40), 1.5));
    p.setBrush(Qt::NoBrush);
    for (const NetSquare& s : net)
        p.drawRect(QRectF(origin + QPointF(s.col * side, s.row * side), QSizeF(side, side)));
    p.restore();
}

void drawBox(QPainter& p, const QRectF& area, const BoxView& view) {
    const double s = std::min(area.width() / 1.414 / 1.15, area.height() / 1.633 / 1.15);
    // The cube spans x 0..1.414 s and y -1.633 s .. 0 (relative to the front-bottom-left corner).
    const QPointF offset(area.center().x() - 0.7071 * s, area.center().y() + 0.8165 * s - 0.4082 * s);
    struct Face {
        V3 origin, right, up;
        FaceMark mark;
        int shade;
    };
    const Face faces[] = {
        {{0, 0, 1}, {1, 0, 0}, {0, 1, 0}, view.top, 0},
        {{0, 0, 0}, {1, 0, 0}, {0, 0, 1}, view.front, 35},
        {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}, view.right, 80},
    };
    for (const Face& f : faces) {
        const QPointF o =
            project({f.origin.x + f.up.x, f.origin.y + f.up.y, f.origin.z + f.up.z}, s) + offset;
        const QPointF r = project(f.right, s);
        const QPointF d = project({-f.up.x, -f.up.y, -f.up.z}, s);
        p.save();
        p.setTransform(QTransform(r.x(), r.y(), d.x(), d.y(), o.x(), o.y()), true);
        drawFaceUnit(p, f.mark.mark, f.mark.turn, f.shade);
        p.restore();
    }
}

// A random net of one of the eleven shapes, laid wide when `wide`.
Net randomNet(SeededRandom& rnd, int shapeIndex, bool wide) {
    std::vector<std::array<int, 2>> shape;
    for (int tries = 0; tries < 8; ++tries) {
        const bool mirrored = rnd.chance(50);
        const int turns = rnd.below(4);
        shape = transformShape(cubeNetShapes()[std::size_t(shapeIndex)], turns, mirrored);
        int cols = 0, rows = 0;
        for (const auto& c : shape) {
            cols = std::max(cols, c[0] + 1);
            rows = std::max(rows, c[1] + 1);
        }
        if (!wide || cols > rows)
            break;
    }
    std::vector<int> marks{0, 1, 2, 3, 4, 5};
    rnd.shuffle(marks);
    Net net;
    for (std::size_t i = 0; i < shape.size(); ++i)
        net.push_back({shape[i][0], shape[i][1], marks[i], rnd.below(4)});
    return net;
}

Rotation randomRotation(SeededRandom& rnd) {
    return cubeRotations()[std::size_t(rnd.below(int(cubeRotations().size())))];
}

std::optional<FoldedNet> randomFoldedNet(SeededRandom& rnd, int shape, bool wide) {
    Net net = randomNet(rnd, shape % int(cubeNetShapes().size()), wide);
    const auto cube = fold(net);
    if (!cube)
        return std::nullopt;
    const BoxView box = normalised(viewOf(*cube, randomRotation(rnd), kSymmetry), kSymmetry);
    return FoldedNet{std::move(net), *cube, box};
}

bool sameBox(const BoxView& a, const BoxView& b) {
    return normalised(a, kSymmetry) == normalised(b, kSymmetry);
}

FaceMark* faceOf(BoxView& v, int i) {
    return i == 0 ? &v.top : (i == 1 ? &v.front : &v.right);
}

} // namespace zorna::assets::sc
