#include "tasks/choice/single_choice_task.h"
#include "tasks/common/task_catalog.h"
#include "tasks/common/task_families.h"

namespace zorna {

namespace {

TaskWindow* openSingleChoice(AppContext& ctx, TaskHost& host, const TaskSquare& task) {
    return new SingleChoiceTask(ctx, host, task, *singleChoiceRow(task.windowNumber));
}

} // namespace

void registerChoiceTasks(TaskCatalog& catalog) {
    for (const SingleChoiceRow& row : kSingleChoiceRows)
        catalog.add(row.windowNumber, openSingleChoice);
}

} // namespace zorna
