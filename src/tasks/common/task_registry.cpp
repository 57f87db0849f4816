#include "tasks/common/task_registry.h"

#include <QHash>

#include <algorithm>
#include <array>

namespace zorna {

const char* familyFolder(TaskFamily family) {
    static constexpr std::array<const char*, 5> kFolders{"choice", "counting", "memory", "puzzles",
                                                         "reaction"};
    return kFolders[static_cast<std::size_t>(family)];
}

void TaskRegistry::add(const TaskEntry& entry) {
    if (sealed_)
        qFatal("task window %s registered after the task windows were first read",
               qPrintable(entry.task.windowName()));
    entries_.push_back(entry);
}

QStringList TaskRegistry::faults() const {
    QStringList faults;
    QHash<int, int> perSquare;
    QHash<int, int> perWindow;
    for (const TaskEntry& e : entries_) {
        const TaskSquare& t = e.task;
        const QString who = QStringLiteral("%1 (square %2)").arg(t.windowName()).arg(t.square);
        if (t.square < 1 || t.square > kTaskSquareCount)
            faults << QStringLiteral("%1: the square is outside 1..%2").arg(who).arg(kTaskSquareCount);
        if (t.category < 1 || t.category > kTaskCategoryCount)
            faults << QStringLiteral("%1: category %2 is outside 1..%3")
                          .arg(who)
                          .arg(t.category)
                          .arg(kTaskCategoryCount);
        if (!t.caption || !*t.caption)
            faults << QStringLiteral("%1: no caption").arg(who);
        if (!e.factory)
            faults << QStringLiteral("%1: no factory").arg(who);
        ++perSquare[t.square];
        ++perWindow[t.windowNumber];
    }
    for (int s = 1; s <= kTaskSquareCount; ++s) {
        const int count = perSquare.value(s);
        if (count == 0)
            faults << QStringLiteral("square %1: no task window registered").arg(s);
        else if (count > 1)
            faults << QStringLiteral("square %1: %2 task windows registered").arg(s).arg(count);
    }
    QList<int> windows = perWindow.keys();
    std::sort(windows.begin(), windows.end());
    for (int n : windows)
        if (perWindow.value(n) > 1)
            faults << QStringLiteral("window number %1: registered %2 times").arg(n).arg(perWindow.value(n));
    return faults;
}

std::vector<TaskEntry> TaskRegistry::sortedEntries() const {
    std::vector<TaskEntry> sorted = entries_;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const TaskEntry& a, const TaskEntry& b) { return a.task.square < b.task.square; });
    return sorted;
}

TaskRegistry& taskRegistry() {
    static TaskRegistry registry;
    return registry;
}

std::span<const TaskEntry> registeredTasks() {
    static const std::vector<TaskEntry> checked = [] {
        TaskRegistry& registry = taskRegistry();
        registry.seal();
        const QStringList faults = registry.faults();
        if (!faults.isEmpty())
            qFatal("the task windows are not registered one per square:\n  %s",
                   qPrintable(faults.join(QStringLiteral("\n  "))));
        return registry.sortedEntries();
    }();
    return checked;
}

const TaskSquare* taskOfSquare(int square) {
    const std::span<const TaskEntry> tasks = registeredTasks();
    if (square < 1 || square > int(tasks.size()))
        return nullptr;
    return &tasks[square - 1].task;
}

const TaskSquare* squareOfWindow(int windowNumber) {
    for (const TaskEntry& e : registeredTasks())
        if (e.task.windowNumber == windowNumber)
            return &e.task;
    return nullptr;
}

} // namespace zorna
