#pragma once

#include "support/test_context.h"
#include "support/test_registry.h"
#include "tasks/common/task_window.h"

#include <QPointer>
#include <QTest>

namespace zorna::test {

TaskCatalog puzzleCatalog();

// One puzzle window opened by the catalog for a square, shown offscreen, with
// the board double that records the hand-back.
struct PuzzleFixture {
    TestContext t{puzzleCatalog()};
    FakeHost host;
    QPointer<TaskWindow> window;

    PuzzleFixture() = default;
    PuzzleFixture(const PuzzleFixture&) = delete;
    PuzzleFixture& operator=(const PuzzleFixture&) = delete;
    // A window still open at the end of a test goes with its board double.
    ~PuzzleFixture() { delete window.data(); }

    template <typename Window> Window* open(int square) {
        window = t.catalog.open(square, t.ctx, host);
        if (!window)
            return nullptr;
        window->show();
        return qobject_cast<Window*>(window.data());
    }
    // The window has closed and gone.
    bool closed() {
        settle();
        return window.isNull();
    }
    template <typename W = QWidget> W* child(const QString& name) const {
        return window ? window->findChild<W*>(name) : nullptr;
    }
};

// A left click at a point of the window, delivered to the topmost control
// under it (or the window), as the windowing system routes it.
void clickAt(QWidget* window, QPoint pos);
// A left click in the middle of a control.
void clickOn(QWidget* control);
// A drag made of mouse events: press on the source, move and release over a
// point of the window (positions relative to the source).
void dragTo(QWidget* source, QWidget* window, QPoint windowPos);

// The hand-back ends with the board enabled and shown, WinType set and krok called.
QStringList handBack(bool solved, int category);

} // namespace zorna::test
