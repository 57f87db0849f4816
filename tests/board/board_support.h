#pragma once

// Helpers shared by the board, registration and statistics tests: a fake
// task window, a registration double, and hand-made game files.

#include "board/board_window.h"
#include "platform/records.h"
#include "rules/chip_path.h"
#include "support/test_context.h"
#include "tasks/common/task_catalog.h"
#include "tasks/common/task_window.h"

#include <QApplication>
#include <QPointer>
#include <QTest>

#include <array>
#include <initializer_list>

namespace zorna::test {

// A task window that is answered by the test.
class FakeTask : public TaskWindow {
public:
    using TaskWindow::TaskWindow;
    void load() override { loaded = true; }
    void solve(bool right) { answer(right); }
    bool loaded = false;
};

inline TaskWindow* makeFakeTask(AppContext& ctx, TaskHost& host, const TaskSquare& task) {
    return new FakeTask(ctx, host, task);
}

// A catalog with a fake window for every square, or for the squares listed.
inline TaskCatalog fakeCatalog(std::initializer_list<int> squares = {}) {
    TaskCatalog catalog;
    for (const TaskEntry& e : registeredTasks()) {
        bool wanted = squares.size() == 0;
        for (int s : squares)
            wanted = wanted || s == e.task.square;
        if (wanted)
            catalog.add(e.task.windowNumber, &makeFakeTask);
    }
    return catalog;
}

// What the registration window hands to the board, and how often the
// players were handed back to it.
struct FakeRegistration {
    int count = 2;
    std::array<QString, 3> names{QStringLiteral("Оля"), QStringLiteral("Петро"), QStringLiteral("Іра")};
    bool saved = false;
    QString folder;
    int returned = 0;

    SessionStart start() const {
        SessionStart s{Players{count, names}, std::nullopt};
        if (saved)
            s.savedGame = folder;
        return s;
    }
};

// Owns a board made for a test; deletes it unless it closed itself.
struct BoardUnderTest {
    BoardUnderTest(TestContext& tc, FakeRegistration& reg)
        : board(new BoardWindow(tc.ctx, tc.catalog, reg.start(), [&reg] { ++reg.returned; })) {}
    ~BoardUnderTest() {
        delete board.data();
        settle();
    }
    BoardWindow* operator->() const { return board; }
    QPointer<BoardWindow> board;
};

// A board with a new game of two players started on a fresh program folder.
struct NewGame {
    NewGame() { board->startGame(); }

    TestContext tc{fakeCatalog()};
    FakeRegistration reg;
    BoardUnderTest board{tc, reg};
};

inline FakeTask* openTask(BoardWindow& board) {
    board.nextTask();
    return static_cast<FakeTask*>(board.taskWindow());
}

// Plays one answer of the current player and lets the chip's move run out.
inline void play(TestContext& tc, BoardWindow& board, bool right) {
    FakeTask* task = openTask(board);
    QVERIFY(task);
    task->solve(right);
    tc.clock.advance(2500);
    settle();
}

// A hand-made date.dat: count, names, each player's square, turn. The
// coordinate pairs are what the board computes; player records beyond the
// count are zero.
inline QByteArray gameRecordBytes(int count, const QStringList& names, const QList<int>& squares, int numGr) {
    RecordWriter w;
    w.int16(qint16(count));
    for (int i = 0; i < 3; ++i)
        w.text(names.value(i), 50);
    for (int p = 0; p < 3; ++p) {
        if (p >= count) {
            w.zeros(530);
            continue;
        }
        for (int s = 1; s <= 88; ++s) {
            const rules::ChipSpot spot = rules::chipSpot(p + 1, s);
            w.int16(qint16(spot.left));
            w.int16(qint16(spot.top));
        }
        w.zeros(176);
        w.int16(qint16(squares.value(p)));
    }
    w.int16(qint16(numGr));
    return w.data();
}

// statist.dat with the given (player, category, kind) -> value entries.
inline QByteArray statBytes(const QList<std::array<int, 4>>& entries) {
    std::array<qint16, 42> v{};
    for (const auto& e : entries)
        v[(e[0] - 1) + 3 * (e[1] - 1) + 21 * (e[2] - 1)] = qint16(e[3]);
    RecordWriter w;
    for (qint16 x : v)
        w.int16(x);
    return w.data();
}

// A restored board: a saved game in Save/<name> opened through the registration double.
inline void saveFixture(TestContext& tc, const QString& name, int count, const QList<int>& squares, int numGr,
                        const QByteArray& stats = QByteArray()) {
    tc.programFolder.write(QStringLiteral("Save/%1/date.dat").arg(name),
                           gameRecordBytes(count,
                                           {QStringLiteral("Оля"), QStringLiteral("Петро"),
                                            count == 3 ? QStringLiteral("Іра") : QString()},
                                           squares, numGr));
    if (!stats.isEmpty())
        tc.programFolder.write(QStringLiteral("Save/%1/statist.dat").arg(name), stats);
}

inline void openSaved(TestContext& tc, FakeRegistration& reg, const QString& name) {
    reg.saved = true;
    reg.folder = tc.programFolder.root() + QStringLiteral("/Save/") + name;
}

// A hand-made game written to Save/1 and the registration double that opens it.
inline FakeRegistration restoredGame(TestContext& tc, int count, const QList<int>& squares, int numGr,
                                     const QByteArray& stats = QByteArray()) {
    saveFixture(tc, QStringLiteral("1"), count, squares, numGr, stats);
    FakeRegistration reg;
    reg.count = count;
    openSaved(tc, reg, QStringLiteral("1"));
    return reg;
}

// Asks the board to save, answering its question with `answer`.
inline void saveAnswering(TestContext& tc, BoardWindow& board, MsgAnswer answer) {
    tc.dialogs.answer(answer);
    board.saveGame();
}

} // namespace zorna::test
