#pragma once

// Solvers that answer a task window as a pupil would: with mouse clicks, key
// presses and drags on the window's own controls, and the virtual clock for its
// timed phases. Each solver reads the window's answer tables to know the right
// answer and gives it, or gives a wrong one on purpose. A solver returns once
// the window has been answered (its busy flag is off) or when it fails.

#include "support/mouse.h"
#include "support/test_context.h"
#include "tasks/common/task_window.h"

#include <QHash>
#include <QList>
#include <QPoint>
#include <QTest>

#include <functional>
#include <ranges>

namespace zorna::test {

using Solver = std::function<void(TaskWindow& w, TestContext& t, bool right)>;

// The solvers registered with ZORNA_SOLVER, keyed by window number, and the
// window numbers given a solver more than once.
struct SolverRegistry {
    QHash<int, Solver> solvers;
    QList<int> repeated;
};
// A function-local static: filled by the registrations as the test executable
// starts, whatever the order of its files.
SolverRegistry& solverRegistry();

// Registers a solver for one window number, or for every row of a window table
// (rows that carry a TaskSquare `task`).
struct SolverRegistration {
    SolverRegistration(int windowNumber, Solver solver) { add(windowNumber, std::move(solver)); }
    template <std::ranges::range Rows> SolverRegistration(const Rows& rows, Solver solver) {
        for (const auto& row : rows)
            add(row.task.windowNumber, solver);
    }

private:
    static void add(int windowNumber, Solver solver);
};

// Advances the virtual clock in steps until the window has been answered;
// false when it is still busy after `limitMs`.
inline bool advanceUntilAnswered(TestContext& t, const TaskWindow& w, int stepMs, int limitMs) {
    for (int elapsed = 0; w.busy() && elapsed < limitMs; elapsed += stepMs)
        t.clock.advance(stepMs);
    return !w.busy();
}

template <typename W> W* as(TaskWindow& w) {
    W* window = dynamic_cast<W*>(&w);
    if (!window)
        qWarning("window %s is not of the expected class", qPrintable(w.task().windowName()));
    return window;
}

} // namespace zorna::test

// Registers `solver` for the task window(s) `windows`: a window number or a
// table of window rows. One line beside each solver in tests/game/solve_<family>.cpp.
#define ZORNA_SOLVER(windows, solver)                                                                        \
    const ::zorna::test::SolverRegistration solver##Registration {                                           \
        windows, &solver                                                                                     \
    }
