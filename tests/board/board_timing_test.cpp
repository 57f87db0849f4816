#include "board/board_support.h"
#include "support/board_messages.h"
#include "support/test_registry.h"

#include <QTest>

using namespace zorna;
using namespace zorna::test;

namespace {

// A restored game whose first player stands on square 32 and has just solved
// the task there: the chip is on its way to the finish.
struct MoveToFinish {
    MoveToFinish() {
        reg = restoredGame(tc, 2, {32, 5}, 1);
        board = new BoardWindow(tc.ctx, tc.catalog, reg.start(), [this] { ++reg.returned; });
        openTask(*board)->solve(true);
        settle();
    }
    ~MoveToFinish() {
        delete board.data();
        settle();
    }
    TestContext tc{fakeCatalog()};
    FakeRegistration reg;
    QPointer<BoardWindow> board;
};

} // namespace

// What happens when the chip reaches the finish while the board is busy with
// something else: an open question box, the statistics window.
class BoardTimingTest : public QObject {
    Q_OBJECT
private slots:
    // "Вихід" pressed while the last step runs: the move ends while the
    // question is open. The board stays enabled under the box (a box whose
    // parent is disabled ignores clicks and keys), the finish window waits for
    // the answer, and the leaving goes on as asked.
    void finishWaitsForTheOpenQuestion_data() {
        QTest::addColumn<bool>("leave");
        QTest::newRow("stays on the board") << false;
        QTest::newRow("leaves the board") << true;
    }
    void finishWaitsForTheOpenQuestion() {
        QFETCH(bool, leave);
        MoveToFinish f;
        QVERIFY(f.board->isMoving());
        bool boardEnabledUnderBox = false;
        bool finishUnderBox = true;
        f.tc.dialogs.whileOpen([&](const Message& m) {
            if (m != kUnsaved)
                return;
            f.tc.clock.advance(2500);
            boardEnabledUnderBox = f.board->isEnabled();
            finishUnderBox = f.board->finishWindow() != nullptr;
        });
        f.tc.dialogs.answer(MsgAnswer::No); // do not save
        f.tc.dialogs.answer(leave ? MsgAnswer::Yes : MsgAnswer::No);
        f.board->leaveBoard();
        QVERIFY(boardEnabledUnderBox);
        QVERIFY(!finishUnderBox);
        QCOMPARE(f.tc.dialogs.asked(), (QList<Message>{kUnsaved, kLeave}));
        QCOMPARE(f.reg.returned, leave ? 1 : 0);
        // The move has been counted either way.
        QVERIFY(f.board->session().game().finished(1));
        QCOMPARE(f.board->session().currentPlayer(), 2);
        settle();
        if (leave) {
            QVERIFY(!f.board);
            return;
        }
        FinishWindow* finish = f.board->finishWindow();
        QVERIFY(finish);
        QVERIFY(finish->isVisible());
        QCOMPARE(finish->nameLabel()->text(), QStringLiteral("Оля"));
        QVERIFY(!f.board->isEnabled());
        finish->close();
        settle();
        QVERIFY(f.board->isEnabled());
    }

    // The board's close box during the last step: the same order.
    void closeBoxDuringTheLastStep() {
        MoveToFinish f;
        f.tc.dialogs.whileOpen([&](const Message& m) {
            if (m == kLeave)
                f.tc.clock.advance(2500);
        });
        f.tc.dialogs.answer(MsgAnswer::No);
        QVERIFY(!f.board->close());
        QVERIFY(f.board->isEnabled());
        QVERIFY(!f.board->finishWindow());
        settle();
        QVERIFY(f.board->finishWindow());
        QVERIFY(!f.board->isEnabled());
        // The finish window goes with the board, never left behind without it.
        const QPointer<FinishWindow> finish = f.board->finishWindow();
        delete f.board.data();
        QVERIFY(!finish);
    }

    // F2 while the chip moves: the finish window waits for the statistics
    // window, so that closing either never gives the board back while the
    // other is still open.
    void finishWaitsForTheStatistics() {
        MoveToFinish f;
        f.board->showStatistics();
        f.tc.clock.advance(2500);
        settle();
        QVERIFY(!f.board->isMoving());
        QVERIFY(!f.board->finishWindow());
        f.board->statisticsWindow()->close();
        settle();
        FinishWindow* finish = f.board->finishWindow();
        QVERIFY(finish);
        QCOMPARE(finish->nameLabel()->text(), QStringLiteral("Оля"));
        QVERIFY(!f.board->isEnabled());
        finish->close();
        settle();
        QVERIFY(f.board->isEnabled());
    }
};

ZORNA_TEST_CLASS(BoardTimingTest)
#include "board_timing_test.moc"
