#include "tasks/common/task_catalog.h"
#include "tasks/common/task_families.h"
#include "tasks/puzzles/assembly_window.h"
#include "tasks/puzzles/ball_exchange_window.h"
#include "tasks/puzzles/number_order_window.h"
#include "tasks/puzzles/pyramid_window.h"

namespace zorna {

namespace {

TaskWindow* makePyramid(AppContext& ctx, TaskHost& host, const TaskSquare& task) {
    return new PyramidWindow(ctx, host, task, *pyramidLayout(task.windowNumber));
}

} // namespace

void registerPuzzleTasks(TaskCatalog& catalog) {
    for (const PyramidLayout& layout : kPyramidLayouts)
        catalog.add(layout.windowNumber, makePyramid);
    catalog.add(29, openWindow<BallExchangeWindow>);
    catalog.add(27, openWindow<NumberOrderWindow>);
    catalog.add(25, openWindow<AssemblyWindow>);
}

} // namespace zorna
