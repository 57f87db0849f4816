#pragma once

#include <QImage>
#include <QList>
#include <QString>

#include <functional>

class QPainter;

namespace zorna::assets {

// One picture of the assembly task: a 260 x 260 scene with something to see
// in every 65 x 65 piece, so each piece has a clear place.
struct Scene {
    QString name;
    std::function<void(QPainter&)> paint;
    // scale 2 gives the source for screens of double density.
    QImage draw(int scale = 1) const;
};

// The eleven scenes, in picture order 1..11.
QList<Scene> assemblyScenes();

} // namespace zorna::assets
