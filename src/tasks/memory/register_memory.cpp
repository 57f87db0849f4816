#include "tasks/common/task_catalog.h"
#include "tasks/common/task_families.h"
#include "tasks/memory/changed_detail_window.h"
#include "tasks/memory/remember_pictures_window.h"
#include "tasks/memory/remember_places_window.h"

namespace zorna {

void registerMemoryTasks(TaskCatalog& catalog) {
    catalog.add(24, openWindow<ChangedDetailWindow>);
    catalog.add(31, openWindow<RememberPicturesWindow>);
    catalog.add(33, openWindow<RememberPlacesWindow>);
}

} // namespace zorna
