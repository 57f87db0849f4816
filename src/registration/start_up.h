#pragma once

namespace zorna {

struct AppContext;
class RegistrationWindow;
class SingleInstance;
class TaskCatalog;

// Starts the program on its folders: a second copy on the same working folder
// says so and ends without touching anything; the first one puts right a save
// that was cut short and shows the registration window. Nothing when the
// program must end.
RegistrationWindow* startProgram(AppContext& ctx, const TaskCatalog& tasks, const SingleInstance& instance);

} // namespace zorna
