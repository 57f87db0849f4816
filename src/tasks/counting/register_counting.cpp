#include "tasks/common/task_catalog.h"
#include "tasks/common/task_families.h"
#include "tasks/counting/cube_counting.h"
#include "tasks/counting/film_frames.h"

namespace zorna {

namespace {

TaskWindow* openFilmFrames(AppContext& ctx, TaskHost& host, const TaskSquare& task) {
    return new FilmFrames(ctx, host, task, *filmRow(task.windowNumber));
}

} // namespace

void registerCountingTasks(TaskCatalog& catalog) {
    catalog.add(22, openWindow<Kletka22>);
    catalog.add(23, openWindow<Kletka23>);
    for (const FilmRow& row : kFilmRows)
        catalog.add(row.windowNumber, openFilmFrames);
}

} // namespace zorna
