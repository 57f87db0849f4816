#include "tasks/common/task_catalog.h"

#include "tasks/common/task_window.h"

namespace zorna {

bool TaskCatalog::has(int square) const {
    const TaskSquare* t = taskOfSquare(square);
    return t && factories_.contains(t->windowNumber);
}

TaskWindow* TaskCatalog::open(int square, AppContext& ctx, TaskHost& host) const {
    const TaskSquare* t = taskOfSquare(square);
    if (!t)
        return nullptr;
    const TaskFactory factory = factories_.value(t->windowNumber, nullptr);
    if (!factory)
        return nullptr;
    TaskWindow* window = factory(ctx, host, *t);
    window->load();
    return window;
}

TaskCatalog buildTaskCatalog(std::optional<TaskFamily> family) {
    TaskCatalog catalog;
    for (const TaskEntry& e : registeredTasks())
        if (!family || e.family == *family)
            catalog.add(e.task.windowNumber, e.factory);
    return catalog;
}

} // namespace zorna
