#include "tasks/common/task_catalog.h"
#include "tasks/common/task_families.h"
#include "tasks/counting/cube_counting.h"
#include "tasks/counting/film_frames.h"

namespace zorna {

namespace {

TaskWindow* openKletka22(AppContext& ctx, TaskHost& host, const TaskSquare& task) {
    return new Kletka22(ctx, host, task);
}

TaskWindow* openKletka23(AppContext& ctx, TaskHost& host, const TaskSquare& task) {
    return new Kletka23(ctx, host, task);
}

TaskWindow* openFilmFrames(AppContext& ctx, TaskHost& host, const TaskSquare& task) {
    return new FilmFrames(ctx, host, task, *filmRow(task.windowNumber));
}

} // namespace

void registerCountingTasks(TaskCatalog& catalog) {
    catalog.add(22, openKletka22);
    catalog.add(23, openKletka23);
    for (const FilmRow& row : kFilmRows)
        catalog.add(row.windowNumber, openFilmFrames);
}

} // namespace zorna
