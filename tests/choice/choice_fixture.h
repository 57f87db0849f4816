#pragma once

// Opening the pair-choice, missing-detail, odd-one-out and question-file windows
// through the catalog with a chosen picture.

#include "platform/cursors.h"
#include "support/mouse.h"
#include "support/test_context.h"
#include "tasks/common/task_catalog.h"
#include "tasks/common/task_window.h"

#include <QTest>
#include <QWidget>

#include <memory>

namespace zorna::test {

inline TaskCatalog choiceCatalog() {
    return buildTaskCatalog(TaskFamily::Choice);
}

// Opens the window of a square with picture n drawn (K pictures, multiplier K - 1);
// the window stays alive after closing so that the test can look at it.
template <class Window>
std::unique_ptr<Window> openWithPicture(TestContext& t, FakeHost& host, int square, int picture,
                                        int pictureCount = 11) {
    t.rnd.push(ScriptedRnd::forDraw(picture, pictureCount - 1, 1));
    auto* w = dynamic_cast<Window*>(t.catalog.open(square, t.ctx, host));
    if (!w)
        return nullptr;
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    w->show();
    return std::unique_ptr<Window>(w);
}

// A used-picture record of 11 slots with the given shown and solved pictures.
inline QByteArray usedRecord(std::initializer_list<int> shown, std::initializer_list<int> solved) {
    UsedPictureRecord record(11);
    for (int n : shown)
        record.setShown(n, true);
    for (int n : solved)
        record.setSolved(n, true);
    return record.toBytes();
}

inline QImage cursorImage(const QWidget* w) {
    return w->cursor().pixmap().toImage();
}
inline QImage cursorFileImage(const TestContext& t, const char* file) {
    return loadCursorFile(t.ctx.folder.path(QString::fromLatin1(file))).pixmap().toImage();
}

} // namespace zorna::test
