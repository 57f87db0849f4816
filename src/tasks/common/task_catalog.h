#pragma once

#include "tasks/common/task_registry.h"

#include <QHash>

#include <optional>

namespace zorna {

// The task windows the board can open, keyed by window number.
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

// Every registered task window, or those of one family.
TaskCatalog buildTaskCatalog(std::optional<TaskFamily> family = std::nullopt);

} // namespace zorna
