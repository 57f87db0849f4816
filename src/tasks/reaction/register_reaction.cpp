#include "tasks/common/task_catalog.h"
#include "tasks/common/task_families.h"
#include "tasks/reaction/kletka26.h"
#include "tasks/reaction/kletka30.h"
#include "tasks/reaction/kletka32.h"

namespace zorna {

namespace {
template <class Window> TaskWindow* make(AppContext& ctx, TaskHost& host, const TaskSquare& task) {
    return new Window(ctx, host, task);
}
} // namespace

void registerReactionTasks(TaskCatalog& catalog) {
    catalog.add(26, &make<Kletka26>);
    catalog.add(30, &make<Kletka30>);
    catalog.add(32, &make<Kletka32>);
}

} // namespace zorna
