#include "support/test_context.h"
#include "support/test_registry.h"
#include "tasks/common/picture_box.h"
#include "tasks/memory/changed_detail.h"
#include "tasks/memory/changed_detail_window.h"

#include <QLabel>
#include <QPointer>
#include <QTest>

using namespace zorna;
using namespace zorna::test;

namespace {

struct ChangedFixture {
    explicit ChangedFixture(int picture = 8) {
        tc.rnd.push(ScriptedRnd::forDraw(picture, 13, 1));
        w = new ChangedDetailWindow(tc.ctx, host, *squareOfWindow(24));
        w->load();
        w->show();
    }
    ~ChangedFixture() { delete w.data(); }

    // Memorising (30 ticks), the blank tick and the pause: the search begins.
    void toSearch() { tc.clock.advance(33000); }
    void click(QPoint pos) { QTest::mousePress(w->pictureBox(), Qt::LeftButton, {}, pos); }
    int visibleBlocks() const {
        int count = 0;
        for (QLabel* block : w->blocks())
            count += block->isVisibleTo(w) ? 1 : 0;
        return count;
    }

    TestContext tc;
    FakeHost host;
    QPointer<ChangedDetailWindow> w;
};

QString fileName(const QString& path) {
    return path.section(QLatin1Char('/'), -2);
}

} // namespace

class ChangedDetailTest : public QObject {
    Q_OBJECT

private slots:
    void courseInTicks() {
        ChangedDetail detail;
        detail.begin(5);
        QCOMPARE(detail.picture(), 5);
        for (int tick = 1; tick <= ChangedDetail::kBarBlocks; ++tick)
            QCOMPARE(detail.memoriseTick(), std::optional<int>(31 - tick));
        QCOMPARE(detail.memoriseTick(), std::nullopt); // the picture is blanked
        QVERIFY(!detail.pauseTick());
        QVERIFY(detail.pauseTick()); // the changed picture
    }

    void anotherPictureStartsTheBarAnew() {
        ChangedDetail detail;
        detail.begin(1);
        for (int tick = 1; tick <= 10; ++tick)
            detail.memoriseTick();
        detail.begin(2);
        QCOMPARE(detail.memoriseTick(), std::optional<int>(30));
    }

    void everyMissRestartsTheWait() {
        ChangedDetail detail;
        detail.begin(3);
        detail.miss();
        QVERIFY(!detail.missWaitTick());
        detail.miss();
        QVERIFY(!detail.missWaitTick());
        QVERIFY(detail.missWaitTick());
    }

    // Every region lies in the picture box with room strictly inside it; its
    // centre is a hit, its corners are not.
    void regionsFitThePicture() {
        ChangedDetail detail;
        for (int n = 1; n <= kChangedPictures; ++n) {
            detail.begin(n);
            const ChangedRegion r = detail.region();
            QVERIFY(r.x1 >= 0 && r.y1 >= 0 && r.x2 < 497 && r.y2 < 306);
            QVERIFY(r.x2 - r.x1 >= 2 && r.y2 - r.y1 >= 2);
            QVERIFY(detail.hits(QPoint((r.x1 + r.x2) / 2, (r.y1 + r.y2) / 2)));
            for (QPoint corner :
                 {QPoint(r.x1, r.y1), QPoint(r.x2, r.y1), QPoint(r.x1, r.y2), QPoint(r.x2, r.y2)})
                QVERIFY(!detail.hits(corner));
        }
    }
};

class ChangedDetailWindowTest : public QObject {
    Q_OBJECT

private slots:
    void phases() {
        ChangedFixture f(5);
        QCOMPARE(f.w->instructionLabel()->text(), QStringLiteral("Запам'ятай цей малюнок"));
        QCOMPARE(fileName(f.w->pictureBox()->picturePath()), QStringLiteral("kletka24/5.bmp"));
        QVERIFY(!f.w->isEnabled());
        QCOMPARE(f.visibleBlocks(), 30);

        f.tc.clock.advance(1000); // the top block goes first
        QVERIFY(!f.w->blocks().at(29)->isVisibleTo(f.w));
        QCOMPARE(f.visibleBlocks(), 29);
        f.tc.clock.advance(28000);
        QCOMPARE(f.visibleBlocks(), 1);
        QVERIFY(f.w->blocks().at(0)->isVisibleTo(f.w));
        f.tc.clock.advance(1000); // thirtieth tick: block 1 goes, the picture stays
        QCOMPARE(f.visibleBlocks(), 0);
        QVERIFY(!f.w->pictureBox()->picturePath().isEmpty());
        QVERIFY(!f.w->isEnabled());

        f.tc.clock.advance(1000); // blanked
        QVERIFY(f.w->pictureBox()->picturePath().isEmpty());
        f.tc.clock.advance(1000);
        QVERIFY(f.w->pictureBox()->picturePath().isEmpty());
        QVERIFY(!f.w->isEnabled());
        f.tc.clock.advance(1000); // the changed picture
        QCOMPARE(fileName(f.w->pictureBox()->picturePath()), QStringLiteral("kletka24/5_1.bmp"));
        QVERIFY(!f.w->pictureBox()->picture().isNull());
        QCOMPARE(f.w->instructionLabel()->text(),
                 QStringLiteral("Клацни по тій частині малюнка, яка змінилася"));
        QVERIFY(f.w->isEnabled());
        QCOMPARE(f.tc.clock.enabledTimerCount(), 0);
        QCOMPARE(f.host.answerCount, 0);
    }

    void clicksIgnoredBeforeTheSearch() {
        ChangedFixture f(8);
        f.click(QPoint(270, 110)); // inside the region, while memorising
        f.tc.clock.advance(31000); // blank
        f.click(QPoint(270, 110));
        QVERIFY(f.host.calls.isEmpty());
        QVERIFY(f.w->busy());
        f.tc.clock.advance(2000);
        f.click(QPoint(270, 110));
        QCOMPARE(f.host.answerCount, 1);
        QVERIFY(f.host.lastRight);
    }

    void strictHitTest_data() {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<bool>("hit");
        // Picture 8: 264..281 x 104..121, only points strictly inside count.
        QTest::newRow("left border") << QPoint(264, 110) << false;
        QTest::newRow("right border") << QPoint(281, 110) << false;
        QTest::newRow("top border") << QPoint(270, 104) << false;
        QTest::newRow("bottom border") << QPoint(270, 121) << false;
        QTest::newRow("first inside") << QPoint(265, 105) << true;
        QTest::newRow("last inside") << QPoint(280, 120) << true;
        QTest::newRow("far away") << QPoint(50, 250) << false;
    }
    void strictHitTest() {
        QFETCH(QPoint, point);
        QFETCH(bool, hit);
        ChangedFixture f(8);
        f.toSearch();
        f.click(point);
        if (hit) {
            QCOMPARE(f.host.calls,
                     handBack(true, 7));
            UsedPictureRecord expected(14);
            expected.setShown(8, true);
            expected.setSolved(8, true);
            QCOMPARE(f.tc.programFolder.read(QStringLiteral("Temp/24.$$$")), expected.toBytes());
            return;
        }
        // A miss: the blot is centred on the click, the board stays disabled.
        QVERIFY(f.w->blotLabel()->isVisibleTo(f.w));
        QCOMPARE(f.w->blotLabel()->pos(), point - QPoint(45 / 2, 47 / 2));
        QVERIFY(f.host.calls.isEmpty());
        f.tc.clock.advance(1000);
        QVERIFY(f.host.calls.isEmpty());
        f.tc.clock.advance(1000);
        QCOMPARE(f.host.calls,
                 handBack(false, 7));
        UsedPictureRecord expected(14);
        expected.setShown(8, true);
        QCOMPARE(f.tc.programFolder.read(QStringLiteral("Temp/24.$$$")), expected.toBytes());
        settle();
        QVERIFY(f.w.isNull());
    }

    void missThenHitWithinTwoTicks() {
        ChangedFixture f(3);
        f.toSearch();
        f.click(QPoint(20, 20));
        f.tc.clock.advance(1500);
        QCOMPARE(f.host.answerCount, 0);
        f.click(QPoint(200, 150)); // inside 168..265 x 104..185
        QCOMPARE(f.host.answerCount, 1);
        QVERIFY(f.host.lastRight);
    }

    void secondMissMovesTheBlotAndRestartsTheWait() {
        ChangedFixture f(3);
        f.toSearch();
        f.click(QPoint(20, 20));
        f.tc.clock.advance(1500); // first tick of the wait
        f.click(QPoint(400, 60));
        QCOMPARE(f.w->blotLabel()->pos(), QPoint(400 - 22, 60 - 23));
        f.tc.clock.advance(1000); // counts 1 again
        QCOMPARE(f.host.answerCount, 0);
        f.tc.clock.advance(1000);
        QCOMPARE(f.host.answerCount, 1);
        QVERIFY(!f.host.lastRight);
        QCOMPARE(f.host.lastCategory, 7);
    }

    void closeBoxRefusedThroughout() {
        ChangedFixture f(1);
        QVERIFY(!f.w->close());
        f.toSearch();
        QVERIFY(!f.w->close());
        f.click(QPoint(10, 10));
        QVERIFY(!f.w->close());
        QCOMPARE(f.host.answerCount, 0);
    }

    void fourteenPicturesInA56ByteRecord() {
        // Pictures 1..13 shown: the draw rejects them until 14 comes.
        TestContext tc;
        FakeHost host;
        UsedPictureRecord record(14);
        for (int n = 1; n <= 13; ++n)
            record.setShown(n, true);
        QCOMPARE(record.byteSize(), 56);
        tc.programFolder.write(QStringLiteral("Temp/24.$$$"), record.toBytes());
        tc.rnd.push({ScriptedRnd::forDraw(1, 13, 1), ScriptedRnd::forDraw(13, 13, 1),
                     ScriptedRnd::forDraw(14, 13, 1)});
        ChangedDetailWindow w(tc.ctx, host, *squareOfWindow(24));
        w.load();
        QCOMPARE(w.currentPicture(), 14);
        QCOMPARE(tc.rnd.overruns(), 0);
        record.setShown(14, true);
        QCOMPARE(tc.programFolder.read(QStringLiteral("Temp/24.$$$")), record.toBytes());
    }

    void picturePairsMatchTheWindow() {
        TestContext tc;
        for (int n = 1; n <= kChangedPictures; ++n) {
            const QImage first(tc.ctx.folder.taskPicture(24, n, QStringLiteral("bmp")));
            const QImage changed(tc.ctx.folder.taskFile(24, QStringLiteral("%1_1.bmp").arg(n)));
            QCOMPARE(first.size(), QSize(497, 306));
            QCOMPARE(changed.size(), QSize(497, 306));
            QVERIFY(first != changed);
        }
    }
};

ZORNA_TEST_CLASS(ChangedDetailTest)
ZORNA_TEST_CLASS(ChangedDetailWindowTest)
#include "changed_detail_window_test.moc"
