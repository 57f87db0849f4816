// Memory windows: wait through the showing phase on the virtual clock, then
// point at what was remembered.
#include "game/solvers.h"

#include "tasks/common/done_button.h"
#include "tasks/common/picture_box.h"
#include "tasks/memory/changed_detail_window.h"
#include "tasks/memory/remember_pictures_window.h"
#include "tasks/memory/remember_places_window.h"

#include <QLabel>

namespace zorna::test {
namespace {

// Advances in one-second steps until `ready` holds; false after `limitMs`.
template <typename Ready> bool waitFor(TestContext& t, Ready ready, int limitMs) {
    for (int elapsed = 0; !ready() && elapsed < limitMs; elapsed += 1000)
        t.clock.advance(1000);
    return ready();
}

void solveChangedDetail(TaskWindow& window, TestContext& t, bool right) {
    auto* w = as<ChangedDetailWindow>(window);
    QVERIFY(w);
    // Thirty seconds of memorising, the blank, then the changed picture.
    QVERIFY(waitFor(
        t, [w] { return w->isEnabled(); }, 40000));
    const ChangedRegion r = kChangedRegions[w->currentPicture() - 1];
    const QPoint at = right ? QPoint((r.x1 + r.x2) / 2, (r.y1 + r.y2) / 2) : QPoint(5, 5);
    QVERIFY(r.hits(at.x(), at.y()) == right);
    QTest::mouseClick(w->pictureBox(), Qt::LeftButton, {}, at);
    // A miss leaves the blot on the picture for two ticks.
    QVERIFY(advanceUntilAnswered(t, window, 500, 5000));
}
ZORNA_SOLVER(24, solveChangedDetail);

void solveRememberPictures(TaskWindow& window, TestContext& t, bool right) {
    auto* w = as<RememberPicturesWindow>(window);
    QVERIFY(w);
    // Four pictures shown one by one, then the grid of nine.
    QVERIFY(waitFor(
        t, [w] { return w->cell(w->cellOf(1))->isEnabled(); }, 20000));
    const QList<int> columns = right ? QList<int>{3, 1, 4, 2} : QList<int>{1, 2, 7};
    for (int j : columns) {
        if (!w->busy())
            break;
        clickOn(w->cell(w->cellOf(j)));
    }
}
ZORNA_SOLVER(31, solveRememberPictures);

void solveRememberPlaces(TaskWindow& window, TestContext& t, bool right) {
    auto* w = as<RememberPlacesWindow>(window);
    QVERIFY(w);
    clickOn(w->coverBox());
    // The six items shown in their cells, then the tray.
    QVERIFY(waitFor(
        t, [w] { return !w->coverBox()->isVisible(); }, 30000));
    for (int k = 1; k <= 6; ++k) {
        // A wrong answer swaps the items of cells 1 and 2.
        int cell = k;
        if (!right && k <= 2)
            cell = 3 - k;
        int box = 0;
        for (int i = 1; i <= 6; ++i)
            if (w->trayOf(i) == w->placeOf(k))
                box = i;
        QVERIFY(box > 0);
        QWidget* target = w->cell(cell);
        dragTo(w->trayBox(box), w, target->mapTo(w, target->rect().center()));
        QCOMPARE(w->placedIn(cell), w->placeOf(k));
    }
    QTest::mouseClick(w->doneButton(), Qt::LeftButton, {}, w->doneButton()->rect().center());
}
ZORNA_SOLVER(33, solveRememberPlaces);

} // namespace

} // namespace zorna::test
