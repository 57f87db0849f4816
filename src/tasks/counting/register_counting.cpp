#include "tasks/common/task_catalog.h"
#include "tasks/common/task_families.h"
#include "tasks/counting/cube_counting_window.h"
#include "tasks/counting/film_frames_window.h"

namespace zorna {

namespace {

TaskWindow* openFilmFrames(AppContext& ctx, TaskHost& host, const TaskSquare& task) {
    return new FilmFramesWindow(ctx, host, task, *filmRow(task.windowNumber));
}

} // namespace

void registerCountingTasks(TaskCatalog& catalog) {
    catalog.add(22, openWindow<MissingCubesWindow>);
    catalog.add(23, openWindow<CountCubesWindow>);
    for (const FilmRow& row : kFilmRows)
        catalog.add(row.windowNumber, openFilmFrames);
}

} // namespace zorna
