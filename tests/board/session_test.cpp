#include "board/session.h"
#include "board_support.h"
#include "support/test_registry.h"

#include <QTest>

using namespace zorna;
using namespace zorna::test;

class SessionTest : public QObject {
    Q_OBJECT
private slots:
    // Only squares 1..32 have tasks; pressing «Далі» marks the game changed either way.
    void nextTaskOnlyForSquaresWithTasks_data() {
        QTest::addColumn<int>("square");
        QTest::addColumn<int>("task"); // 0: none
        QTest::newRow("first square") << 1 << 1;
        QTest::newRow("last task") << 32 << 32;
        QTest::newRow("finish") << 33 << 0;
    }
    void nextTaskOnlyForSquaresWithTasks() {
        QFETCH(int, square);
        QFETCH(int, task);
        TestContext tc;
        // The current player stands on the square (at the finish only once everybody has finished).
        saveFixture(tc, QStringLiteral("1"), 2, {square, square == 33 ? 33 : 5}, 1);
        Session session(tc.ctx.folder,
                        Players{2, {QStringLiteral("Оля"), QStringLiteral("Петро"), QString()}});
        QVERIFY(session.open(tc.programFolder.root() + QStringLiteral("/Save/1")) !=
                Session::Opened::Damaged);
        QCOMPARE(session.currentPlayer(), 1);
        QVERIFY(session.isSaved());
        QCOMPARE(session.nextTask().value_or(0), task);
        QVERIFY(!session.isSaved());
    }

    // Finishes wait in a queue, in the order reached, with the names as shown.
    void finishesAreQueuedInOrder() {
        TestContext tc;
        saveFixture(tc, QStringLiteral("1"), 3, {32, 32, 5}, 1);
        Session session(tc.ctx.folder,
                        Players{3, {QStringLiteral(" Оля"), QStringLiteral("Петро"), QStringLiteral("Іра")}});
        QCOMPARE(session.open(tc.programFolder.root() + QStringLiteral("/Save/1")), Session::Opened::Playing);
        for (int player = 1; player <= 2; ++player) {
            QCOMPARE(session.applyResult(TaskResult{true, 4}), std::optional<int>(33));
            session.arrive();
        }
        QCOMPARE(session.currentPlayer(), 3);
        QVERIFY(session.hasPendingFinish());
        const std::optional<FinishEvent> first = session.takeFinish();
        const std::optional<FinishEvent> second = session.takeFinish();
        QVERIFY(first && second);
        QCOMPARE(first->name, QStringLiteral(" Оля"));
        QCOMPARE(first->place, 1);
        QCOMPARE(second->name, QStringLiteral("Петро"));
        QCOMPARE(second->place, 2);
        QVERIFY(!session.takeFinish());
    }

    // A damaged record changes nothing; a finished game keeps its folder for F2 and saves.
    void openingSavedGames() {
        TestContext tc;
        tc.programFolder.write(QStringLiteral("Save/1/date.dat"), QByteArray(10, '\x01'));
        saveFixture(tc, QStringLiteral("2"), 2, {33, 33}, 2);
        Session damaged(tc.ctx.folder, Players{});
        QCOMPARE(damaged.open(tc.programFolder.root() + QStringLiteral("/Save/1")), Session::Opened::Damaged);
        QVERIFY(!damaged.hasFolder());
        Session finished(tc.ctx.folder, Players{});
        QCOMPARE(finished.open(tc.programFolder.root() + QStringLiteral("/Save/2")),
                 Session::Opened::Finished);
        QVERIFY(finished.hasFolder());
        QCOMPARE(finished.folderName(), QStringLiteral("2"));
        QVERIFY(finished.game().over());
    }
};

ZORNA_TEST_CLASS(SessionTest)
#include "session_test.moc"
