#include "tasks/common/task_catalog.h"
#include "tasks/common/task_families.h"
#include "tasks/reaction/cart_and_balls_window.h"
#include "tasks/reaction/catch_balls_window.h"
#include "tasks/reaction/hit_apple_window.h"

namespace zorna {

void registerReactionTasks(TaskCatalog& catalog) {
    catalog.add(26, openWindow<HitAppleWindow>);
    catalog.add(30, openWindow<CartAndBallsWindow>);
    catalog.add(32, openWindow<CatchBallsWindow>);
}

} // namespace zorna
