#pragma once

#include <memory>

namespace zorna {

struct AppContext;
class ProgramFolder;
class RegistrationWindow;
class SingleInstance;
class TaskCatalog;

// Starts the program on its folders: a second copy on the same working folder
// says so and ends without touching anything, and so does a copy that could
// not make its lock (it cannot know whether another one runs); the only copy
// moves aside a Temp or Save that is a link, puts right a save that was cut
// short and shows the registration window. Nothing when the program must end.
RegistrationWindow* startProgram(AppContext& ctx, const TaskCatalog& tasks, const SingleInstance& instance);

// Makes the games folder when it is missing (a user's first start with a
// read-only program folder) and then takes the lock in it, so that every start
// is checked for a second copy. Held for the program's lifetime.
std::unique_ptr<SingleInstance> lockGamesFolder(const ProgramFolder& folder);

} // namespace zorna
