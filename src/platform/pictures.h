#pragma once

#include <QPixmap>
#include <QString>

namespace zorna {

// Reads a picture file. BMP and PNG files go straight to QtGui's own readers:
// left to guess, Qt first loads every image plugin to ask it about the file,
// which would make the first picture of the run cost several milliseconds.
// Other formats, and a file the built-in reader refuses, take the usual way.
QPixmap readPicture(const QString& path);

} // namespace zorna
