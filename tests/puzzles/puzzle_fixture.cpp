#include "puzzle_fixture.h"

#include "tasks/common/task_families.h"

namespace zorna::test {

TaskCatalog puzzleCatalog() {
    TaskCatalog catalog;
    registerPuzzleTasks(catalog);
    return catalog;
}

} // namespace zorna::test
