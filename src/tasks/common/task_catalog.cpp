#include "tasks/common/task_catalog.h"

#include "tasks/common/task_window.h"

namespace zorna {

const TaskSquare* squareOfWindow(int windowNumber) {
    for (const TaskSquare& t : kDispatchTable)
        if (t.windowNumber == windowNumber)
            return &t;
    return nullptr;
}

const TaskSquare* taskOfSquare(int square) {
    if (square < 1 || square > int(kDispatchTable.size()))
        return nullptr;
    return &kDispatchTable[square - 1];
}

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

} // namespace zorna
