#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QPointF>

class QPainter;

namespace zorna::assets::cubes {

// A cube at whole grid coordinates: x runs to the front right, y to the front
// left, z up.
struct Cube {
    int x, y, z;
};

// Isometric view with cubes of edge `edge` pixels; `origin` is where the grid
// point (0, 0, 0) is drawn.
struct IsoView {
    QPointF origin;
    double edge;
    QPointF at(double x, double y, double z) const;
};

// Draws the cubes back to front; every face outlined.
void drawCubes(QPainter& p, const IsoView& view, QList<Cube> cubes, const QColor& colour);

// Renders each cube's faces with its own id and counts, for every cube, the
// pixels of its two side faces and of its top that stay visible.
struct CubeVisibility {
    int frontVisible; // pixels of the cube's front faces (+x and +y) that can be seen
    int frontArea;    // pixels the two front faces cover when nothing is in front
    int topVisible;
    int topArea;
};
QList<CubeVisibility> visibility(const IsoView& view, const QList<Cube>& cubes, QSize size);

// The box round the corners of the cubes as the view draws them.
QRectF boundsOf(const QList<Cube>& cubes, const IsoView& view);

} // namespace zorna::assets::cubes
