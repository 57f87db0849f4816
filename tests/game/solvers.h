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
#include <QPoint>
#include <QTest>

#include <functional>

namespace zorna::test {

using Solver = std::function<void(TaskWindow& w, TestContext& t, bool right)>;
// Window number -> solver.
using SolverTable = QHash<int, Solver>;

void addChoiceSolvers(SolverTable& table);
void addCountingSolvers(SolverTable& table);
void addMemorySolvers(SolverTable& table);
void addPuzzleSolvers(SolverTable& table);
void addReactionSolvers(SolverTable& table);

inline SolverTable allSolvers() {
    SolverTable table;
    addChoiceSolvers(table);
    addCountingSolvers(table);
    addMemorySolvers(table);
    addPuzzleSolvers(table);
    addReactionSolvers(table);
    return table;
}

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
