#include "puzzle_fixture.h"

#include "platform/geometry.h"
#include "tasks/puzzles/pyramid.h"
#include "tasks/puzzles/pyramid_window.h"

#include <QLabel>

using namespace zorna;
using namespace zorna::test;

namespace {

// The moves (from axis, to axis) that carry `n` disks from `from` to `to`.
void hanoi(int n, int from, int to, QList<QPair<int, int>>& moves) {
    if (n == 0)
        return;
    const int via = 6 - from - to;
    hanoi(n - 1, from, via, moves);
    moves.append({from, to});
    hanoi(n - 1, via, to, moves);
}

QList<QPair<int, int>> hanoi(int n, int to) {
    QList<QPair<int, int>> moves;
    hanoi(n, 1, to, moves);
    return moves;
}

} // namespace

class PyramidLogicTest : public QObject {
    Q_OBJECT
private slots:
    void shortestSolution_data() {
        QTest::addColumn<int>("disks");
        QTest::addColumn<int>("moves");
        QTest::newRow("five disks") << 5 << 31;
        QTest::newRow("four disks") << 4 << 15;
    }
    void shortestSolution() {
        QFETCH(int, disks);
        QFETCH(int, moves);
        Pyramid p(disks);
        for (int row = 1; row <= disks; ++row)
            QCOMPARE(p.cell(row, 1), disks + 1 - row);
        const auto plan = hanoi(disks, 3);
        QCOMPARE(plan.size(), moves);
        for (const auto& [from, to] : plan) {
            QCOMPARE(p.click(from), Pyramid::Click::Lifted);
            QVERIFY(!p.complete());
            QCOMPARE(p.click(to), Pyramid::Click::Moved);
        }
        QCOMPARE(p.steps(), moves);
        QVERIFY(p.complete());
        for (int row = 1; row <= disks; ++row) {
            QCOMPARE(p.cell(row, 1), 0);
            QCOMPARE(p.cell(row, 3), disks + 1 - row);
        }
    }

    void silentRefusals() {
        Pyramid p(5);
        // Empty axis with nothing lifted.
        QCOMPARE(p.click(2), Pyramid::Click::Ignored);
        QVERIFY(!p.lifted());
        // Disk 5 (the narrowest) to axis 3, then disk 4 may not go onto it.
        p.click(1);
        QCOMPARE(p.click(3), Pyramid::Click::Moved);
        QCOMPARE(p.click(1), Pyramid::Click::Lifted);
        QCOMPARE(p.liftedDisk(), 4);
        QCOMPARE(p.click(3), Pyramid::Click::Ignored);
        QVERIFY(p.lifted());
        QCOMPARE(p.liftedDisk(), 4);
        QCOMPARE(p.steps(), 1);
        // An empty axis takes it on its bottom slot.
        QCOMPARE(p.click(2), Pyramid::Click::Moved);
        QCOMPARE(p.cell(5, 2), 4);
        QCOMPARE(p.cell(2, 1), 0);
        QCOMPARE(p.steps(), 2);
    }

    void putBackCountsAStep() {
        Pyramid p(4);
        QCOMPARE(p.click(1), Pyramid::Click::Lifted);
        QCOMPARE(p.source().row, 1);
        QCOMPARE(p.source().axis, 1);
        QCOMPARE(p.click(1), Pyramid::Click::Moved);
        QCOMPARE(p.steps(), 1);
        QVERIFY(!p.lifted());
        for (int row = 1; row <= 4; ++row)
            QCOMPARE(p.cell(row, 1), 5 - row);
    }

    void dropOntoWiderDisk() {
        Pyramid p(4);
        p.click(1);
        p.click(2); // disk 4 on axis 2
        p.click(1);
        p.click(3); // disk 3 on axis 3
        p.click(2);
        QCOMPARE(p.click(3), Pyramid::Click::Moved); // disk 4 onto disk 3
        QCOMPARE(p.cell(3, 3), 4);
        QCOMPARE(p.cell(4, 3), 3);
        QCOMPARE(p.cell(4, 2), 0);
    }

    void middleAxisIsNotTheGoal() {
        Pyramid p(4);
        for (const auto& [from, to] : hanoi(4, 2)) {
            p.click(from);
            p.click(to);
        }
        QVERIFY(p.completeOn(2));
        QVERIFY(!p.complete());
    }
};

class PyramidWindowTest : public QObject {
    Q_OBJECT

    // A click on the zone of an axis at the height of its bottom slot, where a
    // disk lies when the axis is not empty: the zone above the disk takes it.
    static void clickZone(PyramidWindow* w, int axis) {
        const PyramidLayout& l = w->layout();
        clickAt(w, QPoint(tw(l.zoneLeft[axis - 1] + l.zoneWidth / 2), tw(4080 + 150)));
    }
    static void play(PyramidWindow* w, const QList<QPair<int, int>>& moves) {
        for (const auto& [from, to] : moves) {
            if (!w->busy())
                return;
            clickZone(w, from);
            clickZone(w, to);
        }
    }

private slots:
    void opens_data() {
        QTest::addColumn<int>("square");
        QTest::addColumn<int>("disks");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QString>("limitText");
        QTest::newRow("kletka28") << 26 << 5 << QSize(506, 331)
                                  << QStringLiteral("Дозволяється зробити не більше 40 кроків");
        QTest::newRow("kletka34") << 6 << 4 << QSize(503, 311)
                                  << QStringLiteral("Дозволяється зробити не більше 20 кроків");
    }
    void opens() {
        QFETCH(int, square);
        QFETCH(int, disks);
        QFETCH(QSize, client);
        QFETCH(QString, limitText);
        PuzzleFixture f;
        auto* w = f.open<PyramidWindow>(square);
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("Завдання №%1").arg(square));
        QCOMPARE(w->size(), client);
        QVERIFY(w->busy());
        QCOMPARE(f.child<QLabel>("Label1")->text(),
                 QStringLiteral("Переставляючи по одному диску, побудуй таку ж піраміду на червоній осі. "
                                "При цьому більший диск на менший ставити не можна."));
        QCOMPARE(f.child<QLabel>("Label2")->text(), limitText);
        QCOMPARE(f.shown<PyramidWindow>()->stepCountLabel()->text(), QStringLiteral("0"));
        // Placement rule: disk n at level N + 1 - n of axis 1, centred on the axis.
        const int x1 = w->layout().zoneLeft[0];
        for (int n = 1; n <= disks; ++n) {
            auto* d = f.shown<PyramidWindow>()->diskLabel(n);
            QVERIFY(d);
            QCOMPARE(d->pos(), QPoint(tw(x1 + 120 * (n - 1)), tw(4080 - 360 * (n - 1))));
            QCOMPARE(d->width(), tw(w->layout().zoneWidth - 240 * (n - 1)));
            QCOMPARE(d->x() + d->width() / 2, tw(1080));
        }
        // The system close box is refused while the task runs.
        QVERIFY(!w->close());
        QVERIFY(w->isVisible());
        QVERIFY(f.host.calls.isEmpty());
    }

    void liftDropAndCount_data() { opens_data(); }
    void liftDropAndCount() {
        QFETCH(int, square);
        QFETCH(int, disks);
        PuzzleFixture f;
        auto* w = f.open<PyramidWindow>(square);
        auto* top = f.shown<PyramidWindow>()->diskLabel(disks);
        auto* label3 = f.shown<PyramidWindow>()->stepCountLabel();
        const int left = top->x();
        // An empty axis with nothing lifted: nothing happens.
        clickZone(w, 2);
        QVERIFY(!w->pyramid().lifted());
        QCOMPARE(top->pos(), QPoint(left, tw(4080 - 360 * (disks - 1))));
        clickZone(w, 1);
        QCOMPARE(top->pos(), QPoint(left, tw(1950)));
        QCOMPARE(label3->text(), QStringLiteral("0"));
        // Put back on its own axis: lands where it was and counts a step.
        clickZone(w, 1);
        QCOMPARE(top->pos(), QPoint(left, tw(4080 - 360 * (disks - 1))));
        QCOMPARE(label3->text(), QStringLiteral("1"));
        // To the middle axis: bottom slot there.
        clickZone(w, 1);
        clickZone(w, 2);
        QCOMPARE(top->pos(), QPoint(tw(w->layout().zoneLeft[1] + 120 * (disks - 1)), tw(4080)));
        QCOMPARE(label3->text(), QStringLiteral("2"));
        // The next disk may not go onto the narrower one: silently stays lifted.
        auto* next = f.shown<PyramidWindow>()->diskLabel(disks - 1);
        clickZone(w, 1);
        clickZone(w, 2);
        QCOMPARE(next->y(), tw(1950));
        QCOMPARE(label3->text(), QStringLiteral("2"));
        QVERIFY(w->pyramid().lifted());
        // An empty axis then takes it on its bottom slot.
        clickZone(w, 3);
        QCOMPARE(next->pos(), QPoint(tw(w->layout().zoneLeft[2] + 120 * (disks - 2)), tw(4080)));
        QCOMPARE(label3->text(), QStringLiteral("3"));
        QVERIFY(f.t.dialogs.asked().isEmpty());
        QVERIFY(f.host.calls.isEmpty());
    }

    // The step limit: the move past it ends the task as not solved with the
    // message, even when it completes the pyramid.
    void stepLimit_data() {
        QTest::addColumn<int>("square");
        QTest::addColumn<int>("disks");
        QTest::addColumn<int>("putBacks");
        QTest::addColumn<bool>("solved");
        QTest::newRow("kletka28 shortest") << 26 << 5 << 0 << true;
        QTest::newRow("kletka28 40 steps") << 26 << 5 << 9 << true;
        QTest::newRow("kletka28 41st completes") << 26 << 5 << 10 << false;
        QTest::newRow("kletka34 shortest") << 6 << 4 << 0 << true;
        QTest::newRow("kletka34 20 steps") << 6 << 4 << 5 << true;
        QTest::newRow("kletka34 21st completes") << 6 << 4 << 6 << false;
    }
    void stepLimit() {
        QFETCH(int, square);
        QFETCH(int, disks);
        QFETCH(int, putBacks);
        QFETCH(bool, solved);
        PuzzleFixture f;
        auto* w = f.open<PyramidWindow>(square);
        QList<QPair<int, int>> moves(putBacks, {1, 1});
        moves += hanoi(disks, 3);
        play(w, moves);
        QVERIFY(f.closed());
        QCOMPARE(f.host.calls, handBack(solved, 5));
        QCOMPARE(f.host.lastRight, solved);
        QCOMPARE(f.host.lastCategory, 5);
        if (solved) {
            QVERIFY(f.t.dialogs.asked().isEmpty());
        } else {
            QCOMPARE(f.t.dialogs.asked().size(), 1);
            QCOMPARE(f.t.dialogs.asked().first(),
                     (Message{QStringLiteral("Завдання не виконано"),
                              QStringLiteral("Кількість Ваших кроків перевищує норму!\nДо побачення"),
                              MsgIcon::Warning, MsgButtons::Ok}));
        }
    }

    void limitWithoutPyramid() {
        PuzzleFixture f;
        auto* w = f.open<PyramidWindow>(6);
        for (int i = 0; i < 20; ++i) {
            clickZone(w, 1);
            clickZone(w, 1);
        }
        QVERIFY(!f.closed());
        QCOMPARE(f.shown<PyramidWindow>()->stepCountLabel()->text(), QStringLiteral("20"));
        clickZone(w, 1);
        clickZone(w, 2);
        QVERIFY(f.closed());
        QCOMPARE(f.t.dialogs.asked().size(), 1);
        QCOMPARE(f.host.calls, handBack(false, 5));
    }

    void middleAxisDoesNotEnd() {
        PuzzleFixture f;
        auto* w = f.open<PyramidWindow>(6);
        play(w, hanoi(4, 2));
        QVERIFY(!f.closed());
        QVERIFY(w->pyramid().completeOn(2));
        QCOMPARE(f.shown<PyramidWindow>()->stepCountLabel()->text(), QStringLiteral("15"));
        QVERIFY(f.host.calls.isEmpty());
    }

    void doneButton_data() {
        QTest::addColumn<int>("square");
        QTest::addColumn<bool>("confirm");
        QTest::newRow("kletka28 yes") << 26 << true;
        QTest::newRow("kletka28 no") << 26 << false;
        QTest::newRow("kletka34 yes") << 6 << true;
        QTest::newRow("kletka34 no") << 6 << false;
    }
    void doneButton() {
        QFETCH(int, square);
        QFETCH(bool, confirm);
        PuzzleFixture f;
        auto* w = f.open<PyramidWindow>(square);
        clickZone(w, 1);
        clickZone(w, 2);
        f.t.dialogs.answer(confirm ? MsgAnswer::Yes : MsgAnswer::No);
        clickOn(f.shown<PyramidWindow>()->doneButton());
        QCOMPARE(f.t.dialogs.asked().size(), 1);
        QCOMPARE(f.t.dialogs.asked().first(),
                 (Message{QStringLiteral("Закінчення виконання"), QStringLiteral("Ви впевнені?"),
                          MsgIcon::Question, MsgButtons::YesNo}));
        if (confirm) {
            QVERIFY(f.closed());
            QCOMPARE(f.host.calls, handBack(false, 5));
        } else {
            QVERIFY(!f.closed());
            QVERIFY(w->busy());
            QVERIFY(f.host.calls.isEmpty());
            QCOMPARE(w->pyramid().steps(), 1);
            // The puzzle goes on.
            clickZone(w, 2);
            clickZone(w, 3);
            QCOMPARE(f.shown<PyramidWindow>()->stepCountLabel()->text(), QStringLiteral("2"));
        }
    }
};

ZORNA_TEST_CLASS(PyramidLogicTest)
ZORNA_TEST_CLASS(PyramidWindowTest)

#include "pyramid_window_test.moc"
