#include "support/test_context.h"
#include "support/test_registry.h"
#include "tasks/common/picture_box.h"
#include "tasks/memory/remember_pictures.h"
#include "tasks/memory/remember_pictures_window.h"

#include <QLabel>
#include <QPointer>
#include <QSet>
#include <QTest>

using namespace zorna;
using namespace zorna::test;

namespace {

// Pictures 11, 22, 33, 4 to remember and 5, 16, 27, 8, 36 besides; the grid
// cells given per column.
const QList<int> kPictures{11, 22, 33, 4, 5, 16, 27, 8, 36};
const QList<int> kCells{7, 2, 9, 5, 1, 3, 4, 6, 8};

// Scripts the draw of the pictures and cells above.
void scriptDraw(ScriptedRnd& rnd) {
    for (int p : kPictures)
        rnd.push(ScriptedRnd::forDraw(p, 35, 1));
    for (int c : kCells)
        rnd.push(ScriptedRnd::forDraw(c, 8, 1));
}

// The task with the pictures and cells above drawn.
RememberPictures drawnTask() {
    ScriptedRnd rnd;
    scriptDraw(rnd);
    RememberPictures task;
    task.draw(rnd);
    return task;
}

struct RememberFixture {
    RememberFixture() {
        scriptDraw(tc.rnd);
        w = new RememberPicturesWindow(tc.ctx, host, *squareOfWindow(31));
        w->load();
        w->show();
    }
    ~RememberFixture() { delete w.data(); }

    void click(int cell) { QTest::mouseClick(w->cell(cell), Qt::LeftButton, {}, QPoint(60, 60)); }
    QString centre() const { return w->cell(5)->picturePath().section(QLatin1Char('/'), -2); }

    TestContext tc;
    FakeHost host;
    QPointer<RememberPicturesWindow> w;
};

} // namespace

class RememberPicturesTest : public QObject {
    Q_OBJECT

private slots:
    void drawsNineDifferentPicturesInNineCells() {
        for (quint32 seed = 1; seed <= 200; ++seed) {
            ScriptedRnd rnd;
            rnd.useSeededFallback(seed);
            RememberPictures task;
            task.draw(rnd);
            QSet<int> pictures, cells;
            for (int j = 1; j <= RememberPictures::kColumns; ++j) {
                QVERIFY(task.pictureOf(j) >= 1 && task.pictureOf(j) <= kRememberPool);
                QVERIFY(task.cellOf(j) >= 1 && task.cellOf(j) <= 9);
                pictures.insert(task.pictureOf(j));
                cells.insert(task.cellOf(j));
            }
            QCOMPARE(pictures.size(), 9);
            QCOMPARE(cells.size(), 9);
        }
    }

    void pauseThenFourPicturesWithBlanks() {
        RememberPictures task = drawnTask();
        QVERIFY(!task.pauseTick());
        QVERIFY(!task.pauseTick());
        QVERIFY(task.pauseTick());
        task.startShow();
        for (int s = 0; s < 4; ++s) {
            const RememberPictures::ShowStep shown = task.showTick();
            QCOMPARE(shown.picture, kPictures[s]);
            QVERIFY(!shown.over);
            const RememberPictures::ShowStep blank = task.showTick();
            QCOMPARE(blank.picture, 0);
            QCOMPARE(blank.over, s == 3);
        }
    }

    void choices_data() {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QList<int>>("verdicts"); // 0 wait, 1 solved, 2 failed
        QTest::newRow("four remembered") << QList<int>{5, 9, 7, 2} << QList<int>{0, 0, 0, 1};
        QTest::newRow("a wrong one at once") << QList<int>{3} << QList<int>{2};
        QTest::newRow("a wrong fourth") << QList<int>{7, 2, 9, 8} << QList<int>{0, 0, 0, 2};
    }
    void choices() {
        QFETCH(QList<int>, clicks);
        QFETCH(QList<int>, verdicts);
        RememberPictures task = drawnTask();
        for (int i = 0; i < clicks.size(); ++i) {
            QCOMPARE(int(task.choose(clicks[i])), verdicts[i]);
            QCOMPARE(task.clicks(), i + 1);
        }
    }
};

class RememberPicturesWindowTest : public QObject {
    Q_OBJECT

private slots:
    void drawsNinePicturesInNineCells() {
        TestContext tc;
        FakeHost host;
        // Repeated draws are drawn again.
        for (int p : {11, 11, 22, 11, 33, 4, 5, 16, 27, 8, 22, 36})
            tc.rnd.push(ScriptedRnd::forDraw(p, 35, 1));
        for (int c : {7, 7, 2, 9, 5, 1, 3, 4, 6, 8})
            tc.rnd.push(ScriptedRnd::forDraw(c, 8, 1));
        RememberPicturesWindow w(tc.ctx, host, *squareOfWindow(31));
        w.load();
        for (int j = 1; j <= 9; ++j) {
            QCOMPARE(w.pictureOf(j), kPictures[j - 1]);
            QCOMPARE(w.cellOf(j), kCells[j - 1]);
        }
        QCOMPARE(tc.rnd.overruns(), 0);
        QCOMPARE(tc.rnd.remaining(), 0);
    }

    void showsFourPicturesThenTheGrid() {
        RememberFixture f;
        QCOMPARE(f.w->instructionLabel()->text(), QStringLiteral("Запам'ятай малюнки"));
        QCOMPARE(f.w->clickCountLabel()->text(), QStringLiteral("0"));
        const QStringList expected{
            "", "", "", "kletka31/11.jpg", "", "kletka31/22.jpg", "", "kletka31/33.jpg", "", "kletka31/4.jpg",
            ""};
        // Seconds 1..11 after the opening: pause, then picture and blank four times.
        for (int second = 1; second <= 10; ++second) {
            f.tc.clock.advance(1000);
            QCOMPARE(f.centre(), expected[second - 1].isEmpty() ? QString() : expected[second - 1]);
            for (PictureBox* cell : f.w->cells())
                QVERIFY(!cell->isEnabled());
        }
        f.tc.clock.advance(1000);
        QCOMPARE(f.w->instructionLabel()->text(), QStringLiteral("Знайди їх серед заданих"));
        for (int j = 1; j <= 9; ++j) {
            PictureBox* cell = f.w->cell(kCells[j - 1]);
            QCOMPARE(cell->picturePath().section(QLatin1Char('/'), -2),
                     QStringLiteral("kletka31/%1.jpg").arg(kPictures[j - 1]));
            QVERIFY(!cell->picture().isNull());
            QVERIFY(cell->isEnabled());
        }
        QCOMPARE(f.tc.clock.enabledTimerCount(), 0);
    }

    void clicksDuringTheShowDoNothing() {
        RememberFixture f;
        f.tc.clock.advance(5000);
        f.click(7);
        f.click(1);
        QCOMPARE(f.w->clickCountLabel()->text(), QStringLiteral("0"));
        QVERIFY(f.host.calls.isEmpty());
    }

    void choices_data() {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<bool>("solved");
        QTest::addColumn<QString>("counter");
        QTest::newRow("in show order") << QList<int>{7, 2, 9, 5} << true << "4";
        QTest::newRow("in another order") << QList<int>{5, 9, 7, 2} << true << "4";
        QTest::newRow("three right, then wrong") << QList<int>{2, 5, 7, 1} << false << "4";
        QTest::newRow("wrong at once") << QList<int>{3} << false << "1";
        QTest::newRow("right, then wrong") << QList<int>{9, 8} << false << "2";
    }
    void choices() {
        QFETCH(QList<int>, clicks);
        QFETCH(bool, solved);
        QFETCH(QString, counter);
        RememberFixture f;
        f.tc.clock.advance(11000);
        for (int i = 0; i < clicks.size(); ++i) {
            QCOMPARE(f.host.answerCount, 0);
            f.click(clicks[i]);
            QCOMPARE(f.w->clickCountLabel()->text(), QString::number(i + 1));
        }
        QCOMPARE(f.w->clickCountLabel()->text(), counter);
        QCOMPARE(f.host.calls, handBack(solved, 1));
        settle();
        QVERIFY(f.w.isNull());
    }

    void clickedCellTakesNoSecondClick() {
        RememberFixture f;
        f.tc.clock.advance(11000);
        f.click(7);
        QVERIFY(!f.w->cell(7)->isEnabled());
        f.click(7);
        f.click(7);
        f.click(7);
        QCOMPARE(f.w->clickCountLabel()->text(), QStringLiteral("1"));
        QCOMPARE(f.host.answerCount, 0);
    }

    void chosenCellIsFramed() {
        RememberFixture f;
        const auto edgeOf = [&f](int cell) { return f.w->cell(cell)->grab().toImage().pixelColor(2, 60); };
        const QColor chosen(0x00, 0xFF, 0xFF);
        f.tc.clock.advance(11000);
        for (int cell = 1; cell <= 9; ++cell)
            QVERIFY(edgeOf(cell) != chosen);
        f.click(7);
        QCOMPARE(edgeOf(7), chosen);
        for (int cell = 1; cell <= 9; ++cell)
            if (cell != 7)
                QVERIFY(edgeOf(cell) != chosen);
        // A fresh opening starts with no cell chosen.
        f.w->load();
        QVERIFY(edgeOf(7) != chosen);
    }

    void closeBoxRefusedWhileRunning() {
        RememberFixture f;
        QVERIFY(!f.w->close());
        f.tc.clock.advance(11000);
        f.click(5);
        QVERIFY(!f.w->close());
        QCOMPARE(f.host.answerCount, 0);
        QVERIFY(f.host.calls.isEmpty());
    }

    void thirtySixPictures() {
        TestContext tc;
        for (int p = 1; p <= kRememberPool; ++p)
            QCOMPARE(QImage(tc.ctx.folder.taskPicture(31, p)).size(), QSize(121, 121));
    }
};

ZORNA_TEST_CLASS(RememberPicturesTest)
ZORNA_TEST_CLASS(RememberPicturesWindowTest)
#include "remember_pictures_window_test.moc"
