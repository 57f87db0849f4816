#include "tasks/common/task_catalog.h"
#include "tasks/common/task_families.h"

namespace zorna {

void registerReactionTasks(TaskCatalog& catalog) { Q_UNUSED(catalog); }

} // namespace zorna
