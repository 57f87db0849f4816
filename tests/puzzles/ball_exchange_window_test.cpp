#include "puzzle_fixture.h"

#include "tasks/puzzles/ball_exchange_window.h"
#include "tasks/puzzles/ball_row.h"

#include <QHash>
#include <QLabel>
#include <QQueue>

using namespace zorna;
using namespace zorna::test;

namespace {

using Move = QPair<int, int>; // (ball, hole)

QString key(const BallRow& row) {
    QString k;
    for (int ball = 1; ball <= BallRow::kBalls; ++ball)
        k += QChar(u'0' + row.hole(ball));
    return k;
}

// Breadth-first search over the legal moves: the shortest way to the goal.
QList<Move> shortestSolution() {
    QHash<QString, QPair<QString, Move>> from;
    QHash<QString, BallRow> states;
    QQueue<BallRow> queue;
    const BallRow start;
    from.insert(key(start), {QString(), {0, 0}});
    states.insert(key(start), start);
    queue.enqueue(start);
    while (!queue.isEmpty()) {
        const BallRow row = queue.dequeue();
        if (row.goalReached()) {
            QList<Move> path;
            for (QString k = key(row); !from.value(k).first.isEmpty(); k = from.value(k).first)
                path.prepend(from.value(k).second);
            return path;
        }
        for (int ball = 1; ball <= BallRow::kBalls; ++ball) {
            BallRow next = row;
            next.select(ball);
            const int hole = next.emptyHole();
            if (next.clickHole(hole) && !from.contains(key(next))) {
                from.insert(key(next), {key(row), {ball, hole}});
                queue.enqueue(next);
            }
        }
    }
    return {};
}

} // namespace

class BallRowTest : public QObject {
    Q_OBJECT
private slots:
    void start() {
        const BallRow row;
        const int holes[] = {1, 2, 3, 5, 6, 7};
        for (int ball = 1; ball <= 6; ++ball)
            QCOMPARE(row.hole(ball), holes[ball - 1]);
        QCOMPARE(row.emptyHole(), 4);
        QCOMPARE(row.selected(), 0);
        QVERIFY(!row.goalReached());
    }

    void shortestSolutionTakes15Moves() { QCOMPARE(shortestSolution().size(), 15); }

    void moves_data() {
        QTest::addColumn<QList<Move>>("setup");
        QTest::addColumn<int>("ball");
        QTest::addColumn<int>("hole");
        QTest::addColumn<bool>("moves");
        QTest::newRow("slide right") << QList<Move>{} << 3 << 4 << true;
        QTest::newRow("slide left") << QList<Move>{} << 4 << 4 << true;
        QTest::newRow("no ball selected") << QList<Move>{} << 0 << 4 << false;
        QTest::newRow("three holes away") << QList<Move>{} << 1 << 4 << false;
        QTest::newRow("jump over the same colour") << QList<Move>{} << 2 << 4 << false;
        QTest::newRow("jump over the other colour") << QList<Move>{{3, 4}} << 4 << 3 << true;
        QTest::newRow("grey jumps over red") << QList<Move>{{4, 4}} << 3 << 5 << true;
        QTest::newRow("occupied hole") << QList<Move>{} << 3 << 2 << false;
    }
    void moves() {
        QFETCH(QList<Move>, setup);
        QFETCH(int, ball);
        QFETCH(int, hole);
        QFETCH(bool, moves);
        BallRow row;
        for (const Move& m : setup) {
            row.select(m.first);
            QVERIFY(row.clickHole(m.second));
        }
        const int before = row.hole(qMax(ball, 1));
        row.select(ball);
        QCOMPARE(row.clickHole(hole), moves);
        QCOMPARE(row.steps(), int(setup.size()) + (moves ? 1 : 0));
        if (moves) {
            QCOMPARE(row.hole(ball), hole);
            QCOMPARE(row.selected(), 0);
        } else {
            QCOMPARE(row.hole(qMax(ball, 1)), before);
            QCOMPARE(row.selected(), ball); // a refused click keeps the selection
        }
        // Every hole but one holds exactly one ball.
        QSet<int> holes;
        for (int b = 1; b <= 6; ++b)
            holes.insert(row.hole(b));
        QCOMPARE(holes.size(), 6);
    }

    void slideBackCostsTwoMoves() {
        BallRow row;
        row.select(3);
        QVERIFY(row.clickHole(4));
        QVERIFY(!row.clickHole(3)); // the ball has to be selected again
        row.select(3);
        QVERIFY(row.clickHole(3));
        QCOMPARE(row.steps(), 2);
        QCOMPARE(row.hole(3), 3);
    }
};

class BallExchangeWindowTest : public QObject {
    Q_OBJECT

    static QPoint holeCentre(int hole) { return QPoint(BallExchangeWindow::holeLeft(hole) + 28, 150); }
    static void move(PuzzleFixture& f, int ball, int hole) {
        clickOn(f.shown<BallExchangeWindow>()->ballLabel(ball));
        clickAt(f.window, holeCentre(hole));
    }

private slots:
    void opens() {
        PuzzleFixture f;
        auto* w = f.open<BallExchangeWindow>(14);
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("Завдання №14"));
        QCOMPARE(w->size(), QSize(473, 217));
        QCOMPARE(f.child<QLabel>("Label1")->text(),
                 QStringLiteral("Червоні шари перестав на лівий бік, сірі - на правий"));
        QCOMPARE(f.child<QLabel>("Label2")->text(),
                 QStringLiteral("Дозволяється зробити не більше 21-го кроку"));
        QCOMPARE(f.shown<BallExchangeWindow>()->stepCountLabel()->text(), QStringLiteral("0"));
        const int holes[] = {1, 2, 3, 5, 6, 7};
        for (int ball = 1; ball <= 6; ++ball)
            QCOMPARE(f.shown<BallExchangeWindow>()->ballLabel(ball)->geometry(),
                     QRect(BallExchangeWindow::holeLeft(holes[ball - 1]), 120, 57, 62));
        QVERIFY(!w->close());
        QVERIFY(f.host.calls.isEmpty());
    }

    void selectedBallsHoleIsRinged() {
        PuzzleFixture f;
        QVERIFY(f.open<BallExchangeWindow>(14));
        auto* w = f.shown<BallExchangeWindow>();
        // The ring shows above a hole, where only the window's grey ground is otherwise.
        const auto ringed = [w](int hole) {
            const QImage image = w->grab().toImage();
            const int x = BallExchangeWindow::holeLeft(hole) + 28;
            for (int y = 105; y <= 114; ++y) {
                const QColor c = image.pixelColor(x, y);
                if (c.red() > 150 && c.green() < 80 && c.blue() > 150)
                    return true;
            }
            return false;
        };
        for (int hole = 1; hole <= 7; ++hole)
            QVERIFY(!ringed(hole));
        clickOn(w->ballLabel(2));
        QVERIFY(ringed(2));
        clickOn(w->ballLabel(3)); // another choice moves the ring
        QVERIFY(ringed(3));
        QVERIFY(!ringed(2));
        clickAt(f.window, holeCentre(4)); // ball 3 slides into the empty hole 4
        QCOMPARE(w->balls().hole(3), 4);
        for (int hole = 1; hole <= 7; ++hole)
            QVERIFY(!ringed(hole));
    }

    void shortestSolutionSolves() {
        PuzzleFixture f;
        QVERIFY(f.open<BallExchangeWindow>(14));
        const QList<Move> plan = shortestSolution();
        for (int i = 0; i < plan.size(); ++i) {
            QVERIFY(!f.closed());
            move(f, plan[i].first, plan[i].second);
            if (i + 1 < plan.size())
                QCOMPARE(f.shown<BallExchangeWindow>()->stepCountLabel()->text(), QString::number(i + 1));
        }
        QVERIFY(f.closed());
        QVERIFY(f.t.dialogs.asked().isEmpty());
        QCOMPARE(f.host.calls, handBack(true, 5));
    }

    // The goal can only be reached after an odd number of moves, so 21 moves
    // (the shortest way and three slides forth and back) still solve it.
    void solvedOnTheLastAllowedMove() {
        PuzzleFixture f;
        QVERIFY(f.open<BallExchangeWindow>(14));
        for (int i = 0; i < 3; ++i) {
            move(f, 3, 4);
            move(f, 3, 3);
        }
        QCOMPARE(f.shown<BallExchangeWindow>()->stepCountLabel()->text(), QStringLiteral("6"));
        for (const Move& m : shortestSolution())
            move(f, m.first, m.second);
        QVERIFY(f.closed());
        QCOMPARE(f.host.calls, handBack(true, 5));
    }

    void the22ndMoveEndsTheTask() {
        PuzzleFixture f;
        QVERIFY(f.open<BallExchangeWindow>(14));
        for (int i = 0; i < 11; ++i) {
            move(f, 4, 4);
            QVERIFY(!f.closed());
            move(f, 4, 5);
        }
        QVERIFY(f.closed());
        QCOMPARE(f.t.dialogs.asked().size(), 1);
        QCOMPARE(f.t.dialogs.asked().first(),
                 (Message{QString(),
                          QStringLiteral("Кількість зроблених кроків перевищує норму.\nСкоро зустрінемось!"),
                          MsgIcon::None, MsgButtons::Ok}));
        QCOMPARE(f.host.calls, handBack(false, 5));
    }

    void refusedClicks() {
        PuzzleFixture f;
        auto* w = f.open<BallExchangeWindow>(14);
        auto* label3 = f.shown<BallExchangeWindow>()->stepCountLabel();
        // No ball selected.
        clickAt(w, holeCentre(4));
        // Same colour jump: refused, the ball stays selected and may then slide.
        clickOn(f.shown<BallExchangeWindow>()->ballLabel(2));
        clickAt(w, holeCentre(4));
        QCOMPARE(w->balls().hole(2), 2);
        QCOMPARE(w->balls().selected(), 2);
        QCOMPARE(label3->text(), QStringLiteral("0"));
        // A click outside the hole row or between holes does nothing.
        clickAt(w, QPoint(holeCentre(4).x(), 110));
        clickAt(w, QPoint(holeCentre(4).x(), 190));
        clickAt(w, QPoint(BallExchangeWindow::holeLeft(4) - 3, 150));
        QCOMPARE(label3->text(), QStringLiteral("0"));
        // Selecting another ball replaces the choice.
        clickOn(f.shown<BallExchangeWindow>()->ballLabel(4));
        clickAt(w, holeCentre(4));
        QCOMPARE(w->balls().hole(4), 4);
        QCOMPARE(w->balls().hole(2), 2);
        QCOMPARE(f.shown<BallExchangeWindow>()->ballLabel(4)->x(), BallExchangeWindow::holeLeft(4));
        QCOMPARE(label3->text(), QStringLiteral("1"));
        // Three holes away: ball 2 in hole 2, the empty hole is 5.
        clickOn(f.shown<BallExchangeWindow>()->ballLabel(2));
        clickAt(w, holeCentre(5));
        QCOMPARE(label3->text(), QStringLiteral("1"));
        // Clicks on the labels reach the window but lie outside the hole row.
        clickOn(f.child("Label1"));
        QCOMPARE(label3->text(), QStringLiteral("1"));
        QVERIFY(f.host.calls.isEmpty());
    }

    // The window's click rectangle of a hole reaches one pixel past a ball's
    // picture; a ball never moves into a hole another ball stands in.
    void edgeOfAnOccupiedHole() {
        PuzzleFixture f;
        auto* w = f.open<BallExchangeWindow>(14);
        clickOn(f.shown<BallExchangeWindow>()->ballLabel(3));
        clickAt(w, QPoint(BallExchangeWindow::holeLeft(2) + 57, 150));
        clickAt(w, QPoint(BallExchangeWindow::holeLeft(2) + 20, 182));
        QCOMPARE(w->balls().hole(3), 3);
        QCOMPARE(w->balls().hole(2), 2);
        QCOMPARE(f.shown<BallExchangeWindow>()->stepCountLabel()->text(), QStringLiteral("0"));
        // The far edge of the empty hole is part of it.
        clickAt(w, QPoint(BallExchangeWindow::holeLeft(4) + 57, 182));
        QCOMPARE(w->balls().hole(3), 4);
    }

    void doneButtonEndsAtOnce() {
        PuzzleFixture f;
        QVERIFY(f.open<BallExchangeWindow>(14));
        move(f, 3, 4);
        clickOn(f.shown<BallExchangeWindow>()->doneButton());
        QVERIFY(f.closed());
        QVERIFY(f.t.dialogs.asked().isEmpty());
        QCOMPARE(f.host.calls, handBack(false, 5));
    }
};

ZORNA_TEST_CLASS(BallRowTest)
ZORNA_TEST_CLASS(BallExchangeWindowTest)

#include "ball_exchange_window_test.moc"
