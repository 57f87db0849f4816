#include "puzzle_fixture.h"

#include "tasks/common/task_catalog.h"

namespace zorna::test {

TaskCatalog puzzleCatalog() {
    return buildTaskCatalog(TaskFamily::Puzzles);
}

} // namespace zorna::test
