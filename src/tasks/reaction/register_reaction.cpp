#include "tasks/common/task_catalog.h"
#include "tasks/common/task_families.h"
#include "tasks/reaction/kletka26.h"
#include "tasks/reaction/kletka30.h"
#include "tasks/reaction/kletka32.h"

namespace zorna {

void registerReactionTasks(TaskCatalog& catalog) {
    catalog.add(26, openWindow<Kletka26>);
    catalog.add(30, openWindow<Kletka30>);
    catalog.add(32, openWindow<Kletka32>);
}

} // namespace zorna
