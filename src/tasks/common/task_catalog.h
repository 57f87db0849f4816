#pragma once

#include "tasks/common/dispatch_table.h"

#include <QHash>

namespace zorna {

struct AppContext;
class TaskHost;
class TaskWindow;

// Builds a task window for its square; the window is constructed, not yet loaded.
using TaskFactory = TaskWindow* (*)(AppContext& ctx, TaskHost& host, const TaskSquare& task);

// The factory of a window class whose constructor takes (ctx, host, task).
template <class Window> TaskWindow* openWindow(AppContext& ctx, TaskHost& host, const TaskSquare& task) {
    return new Window(ctx, host, task);
}

// The task windows the program has, keyed by window number.
class TaskCatalog {
public:
    void add(int windowNumber, TaskFactory factory) { factories_.insert(windowNumber, factory); }
    bool has(int square) const;
    // Creates and loads the window of the square (load runs to its end);
    // nullptr when the square has no task window. The caller shows it.
    TaskWindow* open(int square, AppContext& ctx, TaskHost& host) const;

private:
    QHash<int, TaskFactory> factories_;
};

// Every task window of the game; defined with the task families.
TaskCatalog buildTaskCatalog();

} // namespace zorna
