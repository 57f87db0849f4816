// The registry of task windows finds the faults of a list of registrations.
#include "support/test_registry.h"
#include "tasks/common/task_registry.h"

#include <QTest>

#include <vector>

using namespace zorna;

namespace {

TaskWindow* noWindow(AppContext&, TaskHost&, const TaskSquare&) {
    return nullptr;
}

// A sound list: square s opens window 100 + s, categories 1..7 in turn.
std::vector<TaskEntry> soundEntries() {
    std::vector<TaskEntry> entries;
    for (int s = kTaskSquareCount; s >= 1; --s)
        entries.push_back(
            {{s, 100 + s, (s - 1) % kTaskCategoryCount + 1, "Завдання"}, TaskFamily::Choice, noWindow});
    return entries;
}

} // namespace

class TaskRegistryTest : public QObject {
    Q_OBJECT
private slots:
    void soundListHasNoFaultsAndSortsBySquare() {
        TaskRegistry registry;
        for (const TaskEntry& e : soundEntries())
            registry.add(e);
        QCOMPARE(registry.faults(), QStringList());
        const std::vector<TaskEntry> sorted = registry.sortedEntries();
        QCOMPARE(int(sorted.size()), kTaskSquareCount);
        for (int s = 1; s <= kTaskSquareCount; ++s)
            QCOMPARE(sorted[s - 1].task.square, s);
    }

    // Each case spoils the sound list in one way and names the faults it must report.
    void faultsAreNamed() {
        using Entries = std::vector<TaskEntry>;
        // Entry of square s in soundEntries(), which lists the squares from the last.
        static constexpr auto at = [](Entries& e, int s) -> TaskEntry& { return e[kTaskSquareCount - s]; };
        struct Case {
            const char* name;
            void (*spoil)(Entries&);
            QStringList expected;
        };
        const Case cases[] = {
            {"square missing",
             [](Entries& e) { e.erase(e.begin() + (kTaskSquareCount - 5)); },
             {QStringLiteral("square 5: no task window registered")}},
            {"square twice",
             [](Entries& e) { at(e, 8).task.square = 7; },
             {QStringLiteral("square 7: 2 task windows registered"),
              QStringLiteral("square 8: no task window registered")}},
            {"square outside the path",
             [](Entries& e) {
                 at(e, 32).task.square = 33;
                 at(e, 32).task.windowNumber = 133;
             },
             {QStringLiteral("kletka133 (square 33): the square is outside 1..32"),
              QStringLiteral("square 32: no task window registered")}},
            {"window number twice",
             [](Entries& e) { at(e, 11).task.windowNumber = 110; },
             {QStringLiteral("window number 110: registered 2 times")}},
            {"category 0",
             [](Entries& e) { at(e, 3).task.category = 0; },
             {QStringLiteral("kletka103 (square 3): category 0 is outside 1..7")}},
            {"category 8",
             [](Entries& e) { at(e, 3).task.category = 8; },
             {QStringLiteral("kletka103 (square 3): category 8 is outside 1..7")}},
            {"no caption",
             [](Entries& e) { at(e, 3).task.caption = ""; },
             {QStringLiteral("kletka103 (square 3): no caption")}},
            {"no factory",
             [](Entries& e) { at(e, 3).factory = nullptr; },
             {QStringLiteral("kletka103 (square 3): no factory")}},
        };
        for (const Case& c : cases) {
            Entries entries = soundEntries();
            c.spoil(entries);
            TaskRegistry registry;
            for (const TaskEntry& e : entries)
                registry.add(e);
            QStringList faults = registry.faults();
            QStringList expected = c.expected;
            faults.sort();
            expected.sort();
            QVERIFY2(faults == expected,
                     qPrintable(QStringLiteral("%1: got \"%2\"")
                                    .arg(QLatin1String(c.name), faults.join(QStringLiteral("; ")))));
        }
    }

    // The program's own registry: what the game dispatches on.
    void programRegistryIsSound() {
        QCOMPARE(taskRegistry().faults(), QStringList());
        QCOMPARE(int(registeredTasks().size()), kTaskSquareCount);
    }
};

ZORNA_TEST_CLASS(TaskRegistryTest)
#include "task_registry_test.moc"
