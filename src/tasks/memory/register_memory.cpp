#include "tasks/common/task_catalog.h"
#include "tasks/common/task_families.h"
#include "tasks/memory/kletka24.h"
#include "tasks/memory/kletka31.h"
#include "tasks/memory/kletka33.h"

namespace zorna {

void registerMemoryTasks(TaskCatalog& catalog) {
    catalog.add(24, openWindow<Kletka24>);
    catalog.add(31, openWindow<Kletka31>);
    catalog.add(33, openWindow<Kletka33>);
}

} // namespace zorna
