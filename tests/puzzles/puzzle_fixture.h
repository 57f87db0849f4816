#pragma once

#include "support/mouse.h"
#include "support/test_context.h"
#include "support/test_registry.h"
#include "tasks/common/click_label.h"
#include "tasks/common/done_button.h"
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
    // The window open now, as its class; null once it has gone.
    template <typename Window> Window* shown() const { return qobject_cast<Window*>(window.data()); }
    template <typename W = QWidget> W* child(const QString& name) const {
        return window ? window->findChild<W*>(name) : nullptr;
    }
};

} // namespace zorna::test
