// Puzzle windows, solved by playing a real solution move by move.
#include "game/solvers.h"

#include "tasks/common/click_label.h"
#include "tasks/common/done_button.h"
#include "tasks/common/picture_box.h"
#include "tasks/puzzles/assembly_window.h"
#include "tasks/puzzles/ball_exchange_window.h"
#include "tasks/puzzles/number_order_window.h"
#include "tasks/puzzles/pyramid_window.h"

#include <QLabel>
#include <QMap>
#include <QQueue>

#include <array>
#include <vector>

namespace zorna::test {
namespace {

// ---- Disk pyramid: the recursive solution, 2^N - 1 moves ----

void hanoi(int disks, int from, int to, int via, std::vector<std::pair<int, int>>& moves) {
    if (disks == 0)
        return;
    hanoi(disks - 1, from, via, to, moves);
    moves.emplace_back(from, to);
    hanoi(disks - 1, via, to, from, moves);
}

void solvePyramid(TaskWindow& window, TestContext& t, bool right) {
    auto* w = as<PyramidWindow>(window);
    QVERIFY(w);
    if (!right) {
        // Two moves, then the done button; its question is answered Yes.
        for (int zone : {1, 2, 1, 3})
            clickOn(w->zone(zone));
        QCOMPARE(w->pyramid().steps(), 2);
        const int asked = int(t.dialogs.asked().size());
        clickOn(w->doneButton());
        QCOMPARE(int(t.dialogs.asked().size()), asked + 1);
        QCOMPARE(t.dialogs.asked().last().text, QStringLiteral("Ви впевнені?"));
        return;
    }
    std::vector<std::pair<int, int>> moves;
    hanoi(w->layout().disks, 1, 3, 2, moves);
    QVERIFY(int(moves.size()) <= w->layout().stepLimit);
    for (const auto& [from, to] : moves) {
        QVERIFY2(w->busy(), "the pyramid window closed before the solution was played");
        clickOn(w->zone(from));
        clickOn(w->zone(to));
    }
}
ZORNA_SOLVER(kPyramidLayouts, solvePyramid);

// ---- Ball exchange: the shortest solution found by a search over the rules ----

using BallKey = std::array<int, BallRow::kBalls>;

BallKey keyOf(const BallRow& row) {
    BallKey key{};
    for (int ball = 1; ball <= BallRow::kBalls; ++ball)
        key[ball - 1] = row.hole(ball);
    return key;
}

// The balls to move, in order; each goes into the empty hole.
QList<int> ballSolution() {
    QMap<BallKey, std::pair<BallKey, int>> cameFrom; // state -> (previous state, ball moved)
    QMap<BallKey, BallRow> rows;
    QQueue<BallRow> queue;
    const BallRow start;
    rows.insert(keyOf(start), start);
    queue.enqueue(start);
    while (!queue.isEmpty()) {
        const BallRow row = queue.dequeue();
        if (row.goalReached()) {
            QList<int> balls;
            for (BallKey key = keyOf(row); key != keyOf(start); key = cameFrom.value(key).first)
                balls.prepend(cameFrom.value(key).second);
            return balls;
        }
        for (int ball = 1; ball <= BallRow::kBalls; ++ball) {
            BallRow next = row;
            next.select(ball);
            if (!next.clickHole(next.emptyHole()) || rows.contains(keyOf(next)))
                continue;
            rows.insert(keyOf(next), next);
            cameFrom.insert(keyOf(next), {keyOf(row), ball});
            queue.enqueue(next);
        }
    }
    return {};
}

void solveBalls(TaskWindow& window, TestContext&, bool right) {
    auto* w = as<BallExchangeWindow>(window);
    QVERIFY(w);
    const QList<int> solution = ballSolution();
    QCOMPARE(solution.size(), 15);
    // A wrong answer makes the first three moves and gives up with the done button.
    const int moves = right ? int(solution.size()) : 3;
    for (int m = 0; m < moves; ++m) {
        QVERIFY2(w->busy(), "the ball window closed before the solution was played");
        const int ball = solution[m];
        const int hole = w->balls().emptyHole();
        clickOn(w->ballLabel(ball));
        clickAt(w, QPoint(BallExchangeWindow::holeLeft(hole) + BallExchangeWindow::kHoleWidth / 2,
                          (BallExchangeWindow::kHoleTop + BallExchangeWindow::kHoleBottom) / 2));
        QCOMPARE(w->balls().hole(ball), hole);
    }
    if (!right)
        clickOn(w->doneButton());
}
ZORNA_SOLVER(29, solveBalls);

// ---- Sliding numbers: IDA* with the Manhattan distance and linear conflicts ----

struct SlidingSearch {
    std::array<int, 16> tiles{}; // by cell 0..15, 0 = empty
    std::vector<int> path;       // cells clicked
    long nodes = 0;

    static int distance(const std::array<int, 16>& t) {
        int h = 0;
        for (int c = 0; c < 16; ++c)
            if (t[c] != 0)
                h += std::abs(c / 4 - (t[c] - 1) / 4) + std::abs(c % 4 - (t[c] - 1) % 4);
        // Two tiles in their goal row (or column) in reversed order cost two more moves.
        for (int line = 0; line < 4; ++line)
            for (int a = 0; a < 4; ++a)
                for (int b = a + 1; b < 4; ++b) {
                    const int ra = t[line * 4 + a], rb = t[line * 4 + b];
                    if (ra && rb && (ra - 1) / 4 == line && (rb - 1) / 4 == line && ra > rb)
                        h += 2;
                    const int ca = t[a * 4 + line], cb = t[b * 4 + line];
                    if (ca && cb && (ca - 1) % 4 == line && (cb - 1) % 4 == line && ca > cb)
                        h += 2;
                }
        return h;
    }

    // Returns the smallest bound exceeded, or -1 when solved.
    int search(int empty, int g, int bound, int previous) {
        ++nodes;
        const int h = distance(tiles);
        if (g + h > bound)
            return g + h;
        if (h == 0)
            return -1;
        int least = 1 << 30;
        static constexpr int kDr[] = {0, -1, 0, 1}, kDc[] = {-1, 0, 1, 0};
        for (int d = 0; d < 4; ++d) {
            const int r = empty / 4 + kDr[d], c = empty % 4 + kDc[d];
            if (r < 0 || r > 3 || c < 0 || c > 3)
                continue;
            const int cell = r * 4 + c;
            if (cell == previous)
                continue;
            std::swap(tiles[empty], tiles[cell]);
            path.push_back(cell + 1);
            const int found = search(cell, g + 1, bound, empty);
            if (found == -1)
                return -1;
            least = std::min(least, found);
            path.pop_back();
            std::swap(tiles[empty], tiles[cell]);
        }
        return least;
    }

    bool solve() {
        int empty = 0;
        for (int c = 0; c < 16; ++c)
            if (tiles[c] == 0)
                empty = c;
        for (int bound = distance(tiles); bound <= 80 && nodes < 50'000'000;) {
            const int found = search(empty, 0, bound, -1);
            if (found == -1)
                return true;
            bound = found;
        }
        return false;
    }
};

void solveSliding(TaskWindow& window, TestContext&, bool right) {
    auto* w = as<NumberOrderWindow>(window);
    QVERIFY(w);
    auto cell = [w](int c) { return w->cell(c); };
    if (right) {
        SlidingSearch s;
        for (int c = 1; c <= 16; ++c)
            s.tiles[c - 1] = w->frame().tileInCell(c);
        QVERIFY2(s.solve(), "no solution found for the shuffled frame");
        for (int c : s.path)
            clickOn(cell(c));
        QVERIFY(w->frame().solved());
    } else if (w->frame().solved()) {
        // The shuffle came back to the start: one move spoils it.
        const int e = w->frame().emptyCell();
        clickOn(cell(e - 1));
        QVERIFY(!w->frame().solved());
    }
    clickOn(w->doneButton());
}
ZORNA_SOLVER(27, solveSliding);

// ---- Picture assembly: every piece dragged onto its own cell ----

void solveAssembly(TaskWindow& window, TestContext& t, bool right) {
    auto* w = as<AssemblyWindow>(window);
    QVERIFY(w);
    // The whole picture is shown first, with the window disabled.
    for (int elapsed = 0; !w->isEnabled() && elapsed < 10000; elapsed += 1000)
        t.clock.advance(1000);
    QVERIFY(w->isEnabled());
    for (int v = 1; v <= AssemblyBoard::kCells; ++v) {
        const int piece = w->board().trayPiece(v);
        // A wrong answer puts the last piece of the tray onto the next cell.
        const int cell = (!right && v == AssemblyBoard::kCells) ? piece % AssemblyBoard::kCells + 1 : piece;
        QWidget* target = w->boardCell(cell);
        dragTo(w->trayBox(v), w, target->mapTo(w, target->rect().center()));
        QCOMPARE(w->board().boardPiece(cell), piece);
    }
    QCOMPARE(w->board().complete(), right);
    clickOn(w->doneButton());
    // The wrong cells are marked with blots for two ticks before the answer.
    QVERIFY(advanceUntilAnswered(t, window, 500, 5000));
}
ZORNA_SOLVER(25, solveAssembly);

} // namespace

} // namespace zorna::test
