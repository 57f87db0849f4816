#pragma once

#include "platform/program_folder.h"
#include "rules/drawings.h"

#include <QCursor>
#include <QString>

namespace zorna {

// Loads a Windows cursor file with its hot spot (Qt's reader drops it: it is
// read from the file's first directory entry, 16-bit values at offsets 10 and 12).
// Returns `fallback` when the file is missing or unreadable.
QCursor loadCursorFile(const QString& path, const QCursor& fallback = QCursor(Qt::ArrowCursor));

// A cursor from a drawing of the program folder (rules/drawings.h) with its hot
// spot, at its size in screen pixels (its 1x picture, as cursors are drawn on
// every screen). `fallback` when its picture is missing or unreadable.
QCursor drawingCursor(const ProgramFolder& folder, const rules::DrawingCursor& cursor,
                      const QCursor& fallback = QCursor(Qt::ArrowCursor));

} // namespace zorna
