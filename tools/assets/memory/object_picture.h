#pragma once

// The pictures of the remember windows (kletka31, kletka33): one object of the
// colour emoji font on a light ground.

#include "common/asset_writer.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>

namespace zorna::assets {

// scale 2 gives the source for screens of double density.
QImage objectPicture(AssetWriter& w, const QString& file, int size, const QString& emoji, QColor ground,
                     int scale = 1);

// Writes the window's pictures 1..n, one object each in a square cell of
// `cellTwips`, and its contact sheet; fails unless the window has `expected` objects.
void writeObjectPictures(AssetWriter& w, int windowNumber, const QStringList& objects, int expected,
                         int cellTwips, QColor ground, const QString& sheetTitle);

} // namespace zorna::assets
