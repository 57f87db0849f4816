#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

namespace zorna {

// Renders a picture stored with the puzzle windows at its size.
QPixmap puzzlePicture(const QString& name, QSize size);

} // namespace zorna
