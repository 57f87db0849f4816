#pragma once

// The one list of the game's task windows. Every task window registers itself
// beside its class with a TaskRegistration: its square (= task number), window
// number, category, caption, family and factory. A class that serves several
// squares from a table registers every row of the table. The board's dispatch,
// the catalog and the tests all read this list.
//
// The family libraries are linked whole (src/CMakeLists.txt), so that no
// registration is dropped by the linker.

#include "tasks/common/task_square.h"

#include <QStringList>

#include <ranges>
#include <span>
#include <vector>

namespace zorna {

struct AppContext;
class TaskHost;
class TaskWindow;

// The squares that open task windows are 1..kTaskSquareCount; the square after
// them is the finish.
inline constexpr int kTaskSquareCount = 32;
// Statistics categories are 1..kTaskCategoryCount.
inline constexpr int kTaskCategoryCount = 7;

// The folder under src/tasks/ (and tools/assets/) that holds a window's class.
enum class TaskFamily { Choice, Counting, Memory, Puzzles, Reaction };
const char* familyFolder(TaskFamily family);

// Builds a task window for its square; the window is constructed, not yet loaded.
using TaskFactory = TaskWindow* (*)(AppContext& ctx, TaskHost& host, const TaskSquare& task);

// The factory of a window class whose constructor takes (ctx, host, task).
template <class Window> TaskWindow* openWindow(AppContext& ctx, TaskHost& host, const TaskSquare& task) {
    return new Window(ctx, host, task);
}

// The factory of a window class that serves every row of a table (rows that
// carry a TaskSquare `task`): its constructor takes (ctx, host, task, row).
template <class Window, const auto& rows>
TaskWindow* openWindowOfRow(AppContext& ctx, TaskHost& host, const TaskSquare& task) {
    return new Window(ctx, host, task, *rowOfWindow(rows, task.windowNumber));
}

struct TaskEntry {
    TaskSquare task;
    TaskFamily family;
    TaskFactory factory;
};

// A list of task windows that can say what is wrong with it.
class TaskRegistry {
public:
    void add(const TaskEntry& entry);
    // Every fault, one line each: a square of 1..32 missing or registered
    // twice, a square outside 1..32, a window number used twice, a category
    // outside 1..7, no caption or no factory. Empty when the list is sound.
    QStringList faults() const;
    // The entries ordered by square.
    std::vector<TaskEntry> sortedEntries() const;

    // Set on the program's registry once it is read: a later add is a fault.
    void seal() { sealed_ = true; }

private:
    std::vector<TaskEntry> entries_;
    bool sealed_ = false;
};

// The program's registry, which the registrations fill before main. A
// function-local static: it exists before the first registration whatever the
// order in which the objects of the program are initialised.
TaskRegistry& taskRegistry();

// Adds task windows to the program's registry when the program starts: one
// window, or one per row of a table whose rows carry a TaskSquare `task`.
struct TaskRegistration {
    TaskRegistration(TaskFamily family, TaskFactory factory, const TaskSquare& task) {
        taskRegistry().add({task, family, factory});
    }
    template <std::ranges::range Rows>
    TaskRegistration(TaskFamily family, TaskFactory factory, const Rows& rows) {
        for (const auto& row : rows)
            taskRegistry().add({row.task, family, factory});
    }
};

// Every registered task window in square order: entry s - 1 is square s.
// The list is checked on the first call; a fault stops the program with its
// description, so a test run fails at once and says why.
std::span<const TaskEntry> registeredTasks();

// The entry of a square 1..32; nullptr for any other square.
const TaskSquare* taskOfSquare(int square);
// The square whose task window has window number N; nullptr when none has.
const TaskSquare* squareOfWindow(int windowNumber);

} // namespace zorna
