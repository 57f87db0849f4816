#pragma once

namespace zorna {

class TaskCatalog;

// Each task family adds its windows to the catalog.
void registerChoiceTasks(TaskCatalog& catalog);
void registerCountingTasks(TaskCatalog& catalog);
void registerMemoryTasks(TaskCatalog& catalog);
void registerPuzzleTasks(TaskCatalog& catalog);
void registerReactionTasks(TaskCatalog& catalog);

} // namespace zorna
