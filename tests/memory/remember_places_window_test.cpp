#include "support/catalog_window.h"
#include "support/test_context.h"
#include "support/test_registry.h"
#include "tasks/common/done_button.h"
#include "tasks/common/picture_box.h"
#include "tasks/common/task_catalog.h"
#include "tasks/memory/remember_places.h"
#include "tasks/memory/remember_places_window.h"

#include <QLabel>
#include <QPointer>
#include <QSet>
#include <QTest>

using namespace zorna;
using namespace zorna::test;

namespace {

// Items by cell, items by tray box, cells in show order.
const QList<int> kPlace{4, 1, 6, 2, 5, 3};
const QList<int> kTray{2, 6, 1, 5, 3, 4};
const QList<int> kOrder{3, 6, 1, 5, 2, 4};

struct PlacesFixture {
    PlacesFixture() {
        for (const QList<int>* table : {&kPlace, &kTray, &kOrder})
            for (int v : *table)
                tc.rnd.push(ScriptedRnd::forDraw(v, 5, 1));
        w = new RememberPlacesWindow(tc.ctx, host, *squareOfWindow(33));
        w->load();
        w->show();
    }
    ~PlacesFixture() { delete w.data(); }

    void openTray() {
        QTest::mouseClick(w->coverBox(), Qt::LeftButton, {}, QPoint(100, 80));
        tc.clock.advance(12000);
    }
    // Drags tray box i onto cell k.
    void drop(int i, int k) {
        PictureBox* box = w->trayBox(i);
        const QPoint target = w->cell(k)->geometry().center() - box->pos();
        QTest::mouseMove(box, QPoint(40, 40));
        QTest::mousePress(box, Qt::LeftButton, {}, QPoint(40, 40));
        QTest::mouseMove(box, target);
        QTest::mouseRelease(box, Qt::LeftButton, {}, target);
    }
    // The tray box that holds item m.
    int boxOf(int m) const { return int(kTray.indexOf(m)) + 1; }
    void done() { QTest::mouseClick(w->doneButton(), Qt::LeftButton, {}, QPoint(30, 30)); }
    QString shown(PictureBox* box) const { return box->picturePath().section(QLatin1Char('/'), -2); }

    TestContext tc;
    FakeHost host;
    QPointer<RememberPlacesWindow> w;
};

} // namespace

class RememberPlacesTest : public QObject {
    Q_OBJECT

    static RememberPlaces drawn() {
        ScriptedRnd rnd;
        for (const QList<int>* table : {&kPlace, &kTray, &kOrder})
            for (int v : *table)
                rnd.push(ScriptedRnd::forDraw(v, 5, 1));
        RememberPlaces task;
        task.draw(rnd);
        return task;
    }

private slots:
    void drawsThreePermutations() {
        for (quint32 seed = 1; seed <= 200; ++seed) {
            ScriptedRnd rnd;
            rnd.useSeededFallback(seed);
            RememberPlaces task;
            task.draw(rnd);
            QSet<int> place, tray, order;
            for (int k = 1; k <= RememberPlaces::kItems; ++k) {
                place.insert(task.placeOf(k));
                tray.insert(task.trayOf(k));
                order.insert(task.shownAt(k));
                QCOMPARE(task.placedIn(k), 0);
            }
            const QSet<int> all{1, 2, 3, 4, 5, 6};
            QCOMPARE(place, all);
            QCOMPARE(tray, all);
            QCOMPARE(order, all);
        }
    }

    // Each cell in show order shows the item that belongs there, then all blank.
    void showGoesCellByCell() {
        RememberPlaces task = drawn();
        for (int s = 1; s <= 6; ++s) {
            const RememberPlaces::ShowStep shown = task.showTick();
            QCOMPARE(shown.cell, kOrder[s - 1]);
            QCOMPARE(shown.item, kPlace[shown.cell - 1]);
            QVERIFY(!shown.over);
            const RememberPlaces::ShowStep blank = task.showTick();
            QCOMPARE(blank.cell, 0);
            QCOMPARE(blank.over, s == 6);
        }
    }

    void dropsPlaceTheItemLastPointedAt() {
        RememberPlaces task = drawn();
        QCOMPARE(task.drop(1), 0); // nothing pointed at yet
        QCOMPARE(task.placedIn(1), 0);
        task.pointAt(3); // item 1
        QCOMPARE(task.drop(2), 1);
        QCOMPARE(task.drop(4), 1); // the item stays in the tray
        task.pointAt(6);           // item 4
        QCOMPARE(task.drop(4), 4); // replaces item 1
        QCOMPARE(task.placedIn(2), 1);
        QCOMPARE(task.placedIn(4), 4);
        QVERIFY(!task.allInPlace());
    }

    void allInPlaceOnlyWhenEveryCellHoldsItsItem() {
        RememberPlaces task = drawn();
        const auto place = [&task](int k, int item) {
            task.pointAt(int(kTray.indexOf(item)) + 1);
            task.drop(k);
        };
        for (int k = 1; k <= 5; ++k)
            place(k, kPlace[k - 1]);
        QVERIFY(!task.allInPlace()); // cell 6 empty
        place(6, kPlace[0]);
        QVERIFY(!task.allInPlace()); // a wrong item in cell 6
        place(6, kPlace[5]);
        QVERIFY(task.allInPlace());
    }
};

class RememberPlacesWindowTest : public QObject {
    Q_OBJECT

private slots:
    void tablesArePermutations() {
        TestContext tc;
        FakeHost host;
        // Repeats are drawn again, in every table.
        for (int v : {4, 4, 1, 6, 1, 2, 5, 3, 2, 6, 1, 5, 3, 4, 3, 6, 1, 5, 2, 4})
            tc.rnd.push(ScriptedRnd::forDraw(v, 5, 1));
        RememberPlacesWindow w(tc.ctx, host, *squareOfWindow(33));
        w.load();
        for (int k = 1; k <= 6; ++k) {
            QCOMPARE(w.placeOf(k), kPlace[k - 1]);
            QCOMPARE(w.trayOf(k), kTray[k - 1]);
            QCOMPARE(w.shownAt(k), kOrder[k - 1]);
            QCOMPARE(w.placedIn(k), 0);
        }
        QCOMPARE(tc.rnd.overruns(), 0);
    }

    void memorisingShowsEachItemInItsCell() {
        PlacesFixture f;
        QCOMPARE(f.w->instructionLabel()->text(), QStringLiteral("Запам'ятай розташування предметів"));
        f.tc.clock.advance(5000); // nothing runs before the cover is clicked
        for (PictureBox* cell : f.w->cells())
            QVERIFY(cell->picturePath().isEmpty());
        QTest::mouseClick(f.w->coverBox(), Qt::LeftButton, {}, QPoint(100, 80));
        QTest::mouseClick(f.w->coverBox(), Qt::LeftButton, {}, QPoint(100, 80)); // changes nothing
        for (int s = 1; s <= 6; ++s) {
            f.tc.clock.advance(1000);
            const int k = kOrder[s - 1];
            for (int c = 1; c <= 6; ++c) {
                const QString expected =
                    c == k ? QStringLiteral("kletka33/%1.jpg").arg(kPlace[k - 1]) : QString();
                QCOMPARE(f.shown(f.w->cell(c)), expected);
            }
            QVERIFY(f.w->coverBox()->isVisible());
            f.tc.clock.advance(1000);
            for (PictureBox* cell : f.w->cells())
                QVERIFY(cell->picturePath().isEmpty());
        }
        // After twelve ticks the cover is gone and the tray is open.
        QVERIFY(!f.w->coverBox()->isVisible());
        QCOMPARE(f.w->instructionLabel()->text(), QStringLiteral("Розстав предмети по своїх місцях"));
        for (int i = 1; i <= 6; ++i) {
            QCOMPARE(f.shown(f.w->trayBox(i)), QStringLiteral("kletka33/%1.jpg").arg(kTray[i - 1]));
            QVERIFY(!f.w->trayBox(i)->picture().isNull());
        }
        QCOMPARE(f.tc.clock.enabledTimerCount(), 0);
    }

    void placing_data() {
        QTest::addColumn<QList<int>>("drops"); // pairs: item, cell
        QTest::addColumn<bool>("solved");
        QTest::newRow("all six right") << QList<int>{4, 1, 1, 2, 6, 3, 2, 4, 5, 5, 3, 6} << true;
        QTest::newRow("one cell empty") << QList<int>{4, 1, 1, 2, 6, 3, 2, 4, 5, 5} << false;
        QTest::newRow("two swapped") << QList<int>{1, 1, 4, 2, 6, 3, 2, 4, 5, 5, 3, 6} << false;
        QTest::newRow("same item in two cells")
            << QList<int>{4, 1, 1, 2, 6, 3, 2, 4, 5, 5, 3, 6, 4, 2} << false;
        QTest::newRow("a wrong item replaced by the right one")
            << QList<int>{3, 1, 4, 1, 1, 2, 6, 3, 2, 4, 5, 5, 3, 6} << true;
        QTest::newRow("a right item replaced by a wrong one")
            << QList<int>{4, 1, 1, 2, 6, 3, 2, 4, 5, 5, 3, 6, 5, 6} << false;
    }
    void placing() {
        QFETCH(QList<int>, drops);
        QFETCH(bool, solved);
        PlacesFixture f;
        f.openTray();
        for (int d = 0; d + 1 < drops.size(); d += 2) {
            const int item = drops[d];
            const int cell = drops[d + 1];
            f.drop(f.boxOf(item), cell);
            QCOMPARE(f.w->placedIn(cell), item);
            QCOMPARE(f.shown(f.w->cell(cell)), QStringLiteral("kletka33/%1.jpg").arg(item));
            // The item stays in the tray.
            QCOMPARE(f.shown(f.w->trayBox(f.boxOf(item))), QStringLiteral("kletka33/%1.jpg").arg(item));
        }
        f.done();
        QCOMPARE(f.host.calls, handBack(solved, 7));
        settle();
        QVERIFY(f.w.isNull());
    }

    void dropsElsewhereAreIgnored() {
        PlacesFixture f;
        f.openTray();
        PictureBox* box = f.w->trayBox(1);
        for (QPoint target : {QPoint(10, 10), f.w->trayBox(5)->geometry().center(), QPoint(60, 225)}) {
            QTest::mousePress(box, Qt::LeftButton, {}, QPoint(40, 40));
            QTest::mouseRelease(box, Qt::LeftButton, {}, target - box->pos());
        }
        for (int k = 1; k <= 6; ++k)
            QCOMPARE(f.w->placedIn(k), 0);
    }

    void doneButtonWorksInEveryPhase_data() {
        QTest::addColumn<int>("ms");
        QTest::addColumn<bool>("clickCover");
        QTest::newRow("before the cover is clicked") << 0 << false;
        QTest::newRow("while memorising") << 3000 << true;
        QTest::newRow("tray open, nothing placed") << 12000 << true;
    }
    void doneButtonWorksInEveryPhase() {
        QFETCH(int, ms);
        QFETCH(bool, clickCover);
        PlacesFixture f;
        if (clickCover)
            QTest::mouseClick(f.w->coverBox(), Qt::LeftButton, {}, QPoint(100, 80));
        f.tc.clock.advance(ms);
        f.done();
        QCOMPARE(f.host.answerCount, 1);
        QVERIFY(!f.host.lastRight);
        QCOMPARE(f.host.lastCategory, 7);
        QCOMPARE(f.tc.clock.enabledTimerCount(), 0);
    }

    void closeBoxRefusedWhileRunning() {
        PlacesFixture f;
        QVERIFY(!f.w->close());
        f.openTray();
        QVERIFY(!f.w->close());
        QCOMPARE(f.host.answerCount, 0);
    }

    void catalogOpensTheWindowsBySquare_data() {
        QTest::addColumn<int>("square");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("caption");
        QTest::newRow("task 23") << 23 << "zorna::ChangedDetailWindow" << QStringLiteral("Завдання №23");
        QTest::newRow("task 28") << 28 << "zorna::RememberPicturesWindow" << QStringLiteral("Завдання №28");
        QTest::newRow("task 32") << 32 << "zorna::RememberPlacesWindow" << QStringLiteral("Завдання № 32");
    }
    void catalogOpensTheWindowsBySquare() {
        QFETCH(int, square);
        QFETCH(QString, className);
        QFETCH(QString, caption);
        const CatalogWindow opened(TaskFamily::Memory, square);
        QVERIFY(opened.window);
        QCOMPARE(opened.className(), className);
        QCOMPARE(opened.window->windowTitle(), caption);
    }

    void sixItemPictures() {
        TestContext tc;
        for (int m = 1; m <= 6; ++m)
            QCOMPARE(QImage(tc.ctx.folder.taskPicture(33, m)).size(), QSize(81, 81));
    }
};

ZORNA_TEST_CLASS(RememberPlacesTest)
ZORNA_TEST_CLASS(RememberPlacesWindowTest)
#include "remember_places_window_test.moc"
