#pragma once

#include <QCursor>
#include <QString>

namespace zorna {

// Loads a Windows cursor file with its hot spot (Qt's reader drops it: it is
// read from the file's first directory entry, 16-bit values at offsets 10 and 12).
// Returns `fallback` when the file is missing or unreadable.
QCursor loadCursorFile(const QString& path, const QCursor& fallback = QCursor(Qt::ArrowCursor));

// Cursor drawn from a picture stored with the program (for example an SVG
// resource), at the given size and hot spot.
QCursor pictureCursor(const QString& resource, int size, int hotX, int hotY);

} // namespace zorna
