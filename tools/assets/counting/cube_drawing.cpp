#include "cube_drawing.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace zorna::assets::cubes {

namespace {

constexpr double kCos30 = 0.8660254;

struct Faces {
    QPolygonF top, right, left; // top, +x face, +y face
};

Faces facesOf(const IsoView& v, const Cube& c) {
    const double x = c.x, y = c.y, z = c.z;
    Faces f;
    f.top << v.at(x, y, z + 1) << v.at(x + 1, y, z + 1) << v.at(x + 1, y + 1, z + 1) << v.at(x, y + 1, z + 1);
    f.right << v.at(x + 1, y, z) << v.at(x + 1, y + 1, z) << v.at(x + 1, y + 1, z + 1)
            << v.at(x + 1, y, z + 1);
    f.left << v.at(x, y + 1, z) << v.at(x + 1, y + 1, z) << v.at(x + 1, y + 1, z + 1)
           << v.at(x, y + 1, z + 1);
    return f;
}

void backToFront(QList<Cube>& cubes) {
    std::stable_sort(cubes.begin(), cubes.end(), [](const Cube& a, const Cube& b) {
        if (a.x + a.y != b.x + b.y)
            return a.x + a.y < b.x + b.y;
        return a.z < b.z;
    });
}

} // namespace

QPointF IsoView::at(double x, double y, double z) const {
    return origin + QPointF((x - y) * edge * kCos30, (x + y) * edge * 0.5 - z * edge);
}

void drawCubes(QPainter& p, const IsoView& view, QList<Cube> cubes, const QColor& colour) {
    backToFront(cubes);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 30, 20), 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const Cube& c : cubes) {
        const Faces f = facesOf(view, c);
        p.setBrush(colour.lighter(135));
        p.drawPolygon(f.top);
        p.setBrush(colour.darker(125));
        p.drawPolygon(f.right);
        p.setBrush(colour);
        p.drawPolygon(f.left);
    }
    p.restore();
}

QList<CubeVisibility> visibility(const IsoView& view, const QList<Cube>& cubes, QSize size) {
    // Ids: 3 per cube (front faces share one id per cube, top another), no antialiasing.
    QList<int> order(cubes.size());
    for (int i = 0; i < cubes.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const Cube& ca = cubes[a];
        const Cube& cb = cubes[b];
        if (ca.x + ca.y != cb.x + cb.y)
            return ca.x + ca.y < cb.x + cb.y;
        return ca.z < cb.z;
    });
    auto idColour = [](int id) { return QColor::fromRgb(QRgb(0xff000000u | quint32(id))); };
    QImage ids(size, QImage::Format_RGB32);
    ids.fill(Qt::black);
    QList<CubeVisibility> result(cubes.size(), CubeVisibility{0, 0, 0, 0});
    {
        QPainter p(&ids);
        p.setPen(Qt::NoPen);
        for (int i : order) {
            const Faces f = facesOf(view, cubes[i]);
            p.setBrush(idColour(2 * i + 1));
            p.drawPolygon(f.top);
            p.setBrush(idColour(2 * i + 2));
            p.drawPolygon(f.right);
            p.drawPolygon(f.left);
        }
    }
    for (int i = 0; i < cubes.size(); ++i) {
        QImage alone(size, QImage::Format_RGB32);
        alone.fill(Qt::black);
        QPainter p(&alone);
        p.setPen(Qt::NoPen);
        const Faces f = facesOf(view, cubes[i]);
        p.setBrush(Qt::red);
        p.drawPolygon(f.top);
        p.setBrush(Qt::white);
        p.drawPolygon(f.right);
        p.drawPolygon(f.left);
        p.end();
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x) {
                if (alone.pixel(x, y) == qRgb(255, 255, 255))
                    ++result[i].frontArea;
                else if (alone.pixel(x, y) == qRgb(255, 0, 0))
                    ++result[i].topArea;
            }
    }
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            const int id = int(ids.pixel(x, y) & 0xffffff);
            if (id == 0)
                continue;
            const int cube = (id - 1) / 2;
            if (cube >= cubes.size())
                continue;
            if (id % 2 == 1)
                ++result[cube].topVisible;
            else
                ++result[cube].frontVisible;
        }
    return result;
}

QRectF boundsOf(const QList<Cube>& cubes, const IsoView& view) {
    QRectF r;
    for (const Cube& c : cubes)
        for (int dx = 0; dx <= 1; ++dx)
            for (int dy = 0; dy <= 1; ++dy)
                for (int dz = 0; dz <= 1; ++dz) {
                    const QPointF p = view.at(c.x + dx, c.y + dy, c.z + dz);
                    r = r.isNull() ? QRectF(p, QSizeF(0.01, 0.01)) : r.united(QRectF(p, QSizeF(0.01, 0.01)));
                }
    return r;
}

} // namespace zorna::assets::cubes
