#pragma once

#include <QPixmap>
#include <QString>

namespace zorna {

// Reads a picture file. BMP and PNG files go straight to QtGui's own readers:
// left to guess, Qt first loads every image plugin to ask it about the file,
// which would make the first picture of the run cost several milliseconds.
// Other formats, and a file the built-in reader refuses, take the usual way.
QPixmap readPicture(const QString& path);

// A picture stored with the windows (an SVG resource) drawn at a size on a
// transparent ground. Each drawing is kept in Qt's pixmap cache, so the cursors
// and buttons every task window makes are drawn once per run, not per window.
QPixmap svgPicture(const QString& resource, QSize size);

} // namespace zorna
