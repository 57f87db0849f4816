#include "puzzle_fixture.h"

#include "tasks/puzzles/number_order_window.h"
#include "tasks/puzzles/sliding_frame.h"

#include <QLabel>

#include <random>

using namespace zorna;
using namespace zorna::test;

namespace {

// Values of a seeded generator, enough for any shuffle.
void pushRandom(ScriptedRnd& rnd, unsigned seed, int count = 4000) {
    std::mt19937 engine(seed);
    std::uniform_real_distribution<float> u(0.0f, 1.0f);
    for (int i = 0; i < count; ++i)
        rnd.push(u(engine));
}

// A shuffle that moves tile 15 forth and back: 51 moves leave it in cell 16
// and the empty cell at 15, one move from the solved position.
void pushForthAndBack(ScriptedRnd& rnd) {
    for (int i = 0; i < SlidingFrame::kShuffleMoves; ++i)
        rnd.push(ScriptedRnd::forDraw(i % 2 == 0 ? 15 : 16, 15, 1));
}

} // namespace

class SlidingFrameTest : public QObject {
    Q_OBJECT
private slots:
    void solvedStart() {
        const SlidingFrame frame;
        QVERIFY(frame.solved());
        QCOMPARE(frame.emptyCell(), 16);
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(frame.at(0, i), -1);
            QCOMPARE(frame.at(5, i), -1);
            QCOMPARE(frame.at(i, 0), -1);
            QCOMPARE(frame.at(i, 5), -1);
        }
    }

    void modulator_data() {
        QTest::addColumn<int>("cell");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::newRow("1") << 1 << 1 << 1;
        QTest::newRow("4") << 4 << 1 << 4;
        QTest::newRow("5") << 5 << 2 << 1;
        QTest::newRow("12") << 12 << 3 << 4;
        QTest::newRow("14") << 14 << 4 << 2;
        QTest::newRow("16") << 16 << 4 << 4;
    }
    void modulator() {
        QFETCH(int, cell);
        QFETCH(int, row);
        QFETCH(int, col);
        QCOMPARE(SlidingFrame::rowOf(cell), row);
        QCOMPARE(SlidingFrame::colOf(cell), col);
        QCOMPARE(SlidingFrame::cellOf(row, col), cell);
    }

    void clicks_data() {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<int>("emptyAfter");
        QTest::newRow("left neighbour") << QList<int>{15} << 15;
        QTest::newRow("upper neighbour") << QList<int>{12} << 12;
        QTest::newRow("the empty cell itself") << QList<int>{16} << 16;
        QTest::newRow("not a neighbour") << QList<int>{11, 1, 13} << 16;
        QTest::newRow("to the corner") << QList<int>{15, 14, 13, 9, 5, 1} << 1;
        // Edge cells away from the empty cell: the border is never taken for the empty cell.
        QTest::newRow("corner edge") << QList<int>{15, 14, 13, 9, 5, 1, 4, 13} << 1;
        QTest::newRow("right neighbour") << QList<int>{15, 14, 13} << 13;
    }
    void clicks() {
        QFETCH(QList<int>, clicks);
        QFETCH(int, emptyAfter);
        SlidingFrame frame;
        for (int cell : clicks)
            frame.click(cell);
        QCOMPARE(frame.emptyCell(), emptyAfter);
        QList<int> tiles;
        for (int cell = 1; cell <= 16; ++cell)
            tiles.append(frame.tileInCell(cell));
        std::sort(tiles.begin(), tiles.end());
        for (int i = 0; i < 16; ++i)
            QCOMPARE(tiles[i], i);
        for (int i = 0; i < 6; ++i)
            QCOMPARE(frame.at(0, i) + frame.at(5, i) + frame.at(i, 0) + frame.at(i, 5), -4);
    }

    void moveReportsTheCells() {
        SlidingFrame frame;
        const auto move = frame.click(12);
        QVERIFY(move);
        QCOMPARE(move->from, 12);
        QCOMPARE(move->to, 16);
        QCOMPARE(move->tile, 12);
        QVERIFY(!frame.click(1));
        QCOMPARE(frame.emptyCell(), 12);
    }

    // 51 moves, an odd number, always leave the empty cell off its home cell.
    void shuffleMakes51Moves_data() {
        QTest::addColumn<unsigned>("seed");
        for (unsigned seed : {1u, 2u, 3u, 17u, 99u})
            QTest::newRow(qPrintable(QString::number(seed))) << seed;
    }
    void shuffleMakes51Moves() {
        QFETCH(unsigned, seed);
        ScriptedRnd rnd;
        pushRandom(rnd, seed);
        SlidingFrame frame;
        int seen = 0;
        frame.shuffle(rnd, [&](const SlidingFrame::Move&) { ++seen; });
        QCOMPARE(seen, 51);
        QCOMPARE(frame.shuffleMoves(), 51);
        QCOMPARE(rnd.overruns(), 0);
        const int e = frame.emptyCell();
        QCOMPARE((SlidingFrame::rowOf(e) + SlidingFrame::colOf(e)) % 2, 1);
        QVERIFY(!frame.solved());
    }

    // A generator that keeps giving one value cannot hang the shuffle.
    void stuckGeneratorStillShuffles() {
        ScriptedRnd rnd; // gives 0 forever: always cell 1
        SlidingFrame frame;
        frame.shuffle(rnd, [](const SlidingFrame::Move&) {});
        QCOMPARE(frame.shuffleMoves(), 51);
        QVERIFY(!frame.solved());
    }
};

class NumberOrderWindowTest : public QObject {
    Q_OBJECT

    static QImage tileImage(PuzzleFixture& f, int tile) {
        return QImage(f.t.ctx.folder.taskPicture(27, tile)).convertToFormat(QImage::Format_RGB32);
    }
    static QImage shown(QLabel* cell) {
        const QPixmap p = cell->pixmap();
        return p.isNull() ? QImage() : p.toImage().convertToFormat(QImage::Format_RGB32);
    }
    static QLabel* cell(PuzzleFixture& f, int i) { return f.shown<NumberOrderWindow>()->cell(i); }

private slots:
    void opensShuffled() {
        PuzzleFixture f;
        pushRandom(f.t.rnd, 5);
        auto* w = f.open<NumberOrderWindow>(7);
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("Завдання №7"));
        QCOMPARE(w->size(), QSize(272, 384));
        QCOMPARE(
            f.child<QLabel>("winText")->text(),
            QStringLiteral("Розташуй числа зліва направо в порядку зростання, починаючи з верхнього кута"));
        QCOMPARE(f.shown<NumberOrderWindow>()->secondsLeftLabel()->text(), QStringLiteral("300"));
        QCOMPARE(f.t.rnd.randomizeCount(), 1);
        QCOMPARE(w->frame().shuffleMoves(), 51);
        for (int i = 1; i <= 16; ++i) {
            QCOMPARE(cell(f, i)->geometry().topLeft(),
                     QPoint(8 + 64 * ((i - 1) % 4), 120 + 64 * ((i - 1) / 4)));
            const int tile = w->frame().tileInCell(i);
            if (tile == 0)
                QVERIFY(shown(cell(f, i)).isNull());
            else
                QCOMPARE(shown(cell(f, i)), tileImage(f, tile));
        }
        QVERIFY(!w->close());
        QVERIFY(f.host.calls.isEmpty());
    }

    void doneAtOnceFails() {
        PuzzleFixture f;
        pushRandom(f.t.rnd, 8);
        QVERIFY(f.open<NumberOrderWindow>(7));
        clickOn(f.shown<NumberOrderWindow>()->doneButton());
        QVERIFY(f.closed());
        QVERIFY(f.t.dialogs.asked().isEmpty());
        QCOMPARE(f.host.calls, handBack(false, 5));
    }

    void solvedByThePlayer() {
        PuzzleFixture f;
        pushForthAndBack(f.t.rnd);
        auto* w = f.open<NumberOrderWindow>(7);
        QCOMPARE(w->frame().emptyCell(), 15);
        QCOMPARE(w->frame().tileInCell(16), 15);
        // A click on a tile that is not next to the empty cell, and on the empty cell: nothing.
        clickOn(cell(f, 1));
        clickOn(cell(f, 15));
        QCOMPARE(w->frame().emptyCell(), 15);
        QCOMPARE(shown(cell(f, 16)), tileImage(f, 15));
        clickOn(cell(f, 16));
        QVERIFY(w->frame().solved());
        QCOMPARE(shown(cell(f, 15)), tileImage(f, 15));
        QVERIFY(shown(cell(f, 16)).isNull());
        // No check follows a move: only the done button judges.
        QVERIFY(!f.closed());
        QVERIFY(f.host.calls.isEmpty());
        clickOn(f.shown<NumberOrderWindow>()->doneButton());
        QVERIFY(f.closed());
        QCOMPARE(f.host.calls, handBack(true, 5));
    }

    void countdown_data() {
        QTest::addColumn<bool>("solve");
        QTest::newRow("unsolved at time-out") << false;
        QTest::newRow("solved at time-out") << true;
    }
    void countdown() {
        QFETCH(bool, solve);
        PuzzleFixture f;
        pushForthAndBack(f.t.rnd);
        QVERIFY(f.open<NumberOrderWindow>(7));
        auto* label1 = f.shown<NumberOrderWindow>()->secondsLeftLabel();
        f.t.clock.advance(1000);
        QCOMPARE(label1->text(), QStringLiteral("299"));
        if (solve)
            clickOn(cell(f, 16));
        f.t.clock.advance(298 * 1000);
        QCOMPARE(label1->text(), QStringLiteral("1"));
        QVERIFY(!f.closed());
        QPointer<QLabel> label(label1);
        f.t.clock.advance(999);
        QVERIFY(f.host.calls.isEmpty());
        f.t.clock.advance(1);
        QCOMPARE(f.host.calls, handBack(solve, 5));
        if (label)
            QCOMPARE(label->text(), QStringLiteral("0"));
        QVERIFY(f.closed());
        QCOMPARE(f.t.clock.enabledTimerCount(), 0);
    }
};

ZORNA_TEST_CLASS(SlidingFrameTest)
ZORNA_TEST_CLASS(NumberOrderWindowTest)

#include "number_order_window_test.moc"
