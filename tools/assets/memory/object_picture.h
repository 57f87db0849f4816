#pragma once

// The pictures of the remember windows (kletka31, kletka33): one object of the
// colour emoji font on a light ground.

#include "common/asset_writer.h"

#include <QColor>
#include <QImage>
#include <QString>

namespace zorna::assets {

// scale 2 gives the source for screens of double density.
QImage objectPicture(AssetWriter& w, const QString& file, int size, const QString& emoji, QColor ground,
                     int scale = 1);

} // namespace zorna::assets
