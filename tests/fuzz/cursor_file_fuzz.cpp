// Cursor files (h_point.cur, h_move.cur, h_nw.cur): any bytes give a cursor,
// the file's own or the fallback.
#include "fuzz_input.h"
#include "platform/cursors.h"

#include <QGuiApplication>

#include <memory>

using namespace zorna;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // Pixmaps need a GUI application; the offscreen platform needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static std::unique_ptr<QGuiApplication> app = std::make_unique<QGuiApplication>(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString path = fuzz::writeScratchFile(QStringLiteral("h_point.cur"), data, size);
    const QCursor cursor = loadCursorFile(path, QCursor(Qt::CrossCursor));
    fuzz::expect(cursor.shape() == Qt::CrossCursor || cursor.shape() == Qt::BitmapCursor,
                 "a cursor is the file's picture or the fallback");
    return 0;
}
