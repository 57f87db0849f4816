#include "tasks/common/task_catalog.h"
#include "tasks/common/task_families.h"

namespace zorna {

TaskCatalog buildTaskCatalog() {
    TaskCatalog catalog;
    registerChoiceTasks(catalog);
    registerCountingTasks(catalog);
    registerMemoryTasks(catalog);
    registerPuzzleTasks(catalog);
    registerReactionTasks(catalog);
    return catalog;
}

} // namespace zorna
