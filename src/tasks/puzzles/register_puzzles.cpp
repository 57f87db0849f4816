#include "tasks/common/task_catalog.h"
#include "tasks/common/task_families.h"
#include "tasks/puzzles/assembly_task.h"
#include "tasks/puzzles/ball_task.h"
#include "tasks/puzzles/pyramid_task.h"
#include "tasks/puzzles/sliding_task.h"

namespace zorna {

namespace {

TaskWindow* makePyramid(AppContext& ctx, TaskHost& host, const TaskSquare& task) {
    return new PyramidTask(ctx, host, task, *pyramidLayout(task.windowNumber));
}

} // namespace

void registerPuzzleTasks(TaskCatalog& catalog) {
    for (const PyramidLayout& layout : kPyramidLayouts)
        catalog.add(layout.windowNumber, makePyramid);
    catalog.add(29, openWindow<BallTask>);
    catalog.add(27, openWindow<SlidingTask>);
    catalog.add(25, openWindow<AssemblyTask>);
}

} // namespace zorna
