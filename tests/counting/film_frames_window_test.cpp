#include "support/test_context.h"
#include "support/test_registry.h"
#include "tasks/common/done_button.h"
#include "tasks/counting/film_frames_window.h"

#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QTest>

using namespace zorna;
using namespace zorna::test;

namespace {

// Opens a film window with story n and the frame order given (entry j = story
// position of frame(j)).
struct FilmFixture {
    explicit FilmFixture(int windowNumber = 8, int story = 3, std::array<int, 4> order = {3, 1, 4, 2}) {
        tc.rnd.push(ScriptedRnd::forDraw(story, 10, 1));
        for (int v : order)
            tc.rnd.push(ScriptedRnd::forDraw(v, 3, 1));
        w = new FilmFramesWindow(tc.ctx, host, *squareOfWindow(windowNumber), *filmRow(windowNumber));
        w->load();
        w->show();
    }
    ~FilmFixture() { delete w.data(); }

    // Drags frame(j) and lets it go at a point of the client area.
    void drag(int j, QPoint windowPos) {
        QLabel* frame = w->frame(j);
        const QPoint grab(20, 15);
        QTest::mousePress(frame, Qt::LeftButton, {}, grab);
        QTest::mouseMove(frame, windowPos - frame->pos());
        QTest::mouseRelease(frame, Qt::LeftButton, {}, windowPos - frame->pos());
    }
    // The frame whose story position is f.
    int frameOf(int f) const {
        for (int j = 1; j <= 4; ++j)
            if (w->frameOrder(j) == f)
                return j;
        return 0;
    }
    // Drops the frame of story position f into slot k.
    void place(int f, int k) { drag(frameOf(f), QPoint(kFilmSlots[k - 1].xFrom + 80, 180)); }
    void done() { QTest::mouseClick(w->doneButton(), Qt::LeftButton, {}, QPoint(40, 40)); }

    TestContext tc;
    FakeHost host;
    QPointer<FilmFramesWindow> w;
};

int filledSlot(const FilmFramesWindow* w) {
    for (int k = 1; k <= 4; ++k)
        if (w->slotFilled(k))
            return k;
    return 0;
}

} // namespace

class FilmFramesWindowTest : public QObject {
    Q_OBJECT

private slots:
    void loadShowsShuffledStory_data() {
        QTest::addColumn<int>("windowNumber");
        QTest::newRow("kletka8") << 8;
        QTest::newRow("kletka13") << 13;
    }
    void loadShowsShuffledStory() {
        QFETCH(int, windowNumber);
        FilmFixture f(windowNumber, 6, {2, 4, 1, 3});
        QCOMPARE(f.w->story(), 6);
        QCOMPARE(f.w->windowTitle(), QString::fromUtf8(squareOfWindow(windowNumber)->caption));
        QVERIFY(!f.w->strip().misplaced());
        QCOMPARE(f.w->instructionLabel()->text(),
                 QStringLiteral("\nРозмісти на плівці кадри в потрібній послідовності"));
        for (int j = 1; j <= 4; ++j) {
            const QImage expected(f.tc.ctx.folder.path(
                QStringLiteral("kletka%1/6/%2.jpg").arg(windowNumber).arg(f.w->frameOrder(j))));
            QCOMPARE(expected.size(), QSize(169, 109));
            QCOMPARE(f.w->frame(j)->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
                     expected.convertToFormat(QImage::Format_RGB32));
        }
        // The story is marked shown in the file at once.
        UsedPictureRecord expected(11);
        expected.setShown(6, true);
        QCOMPARE(f.tc.programFolder.read(QStringLiteral("Temp/%1.$$$").arg(windowNumber)),
                 expected.toBytes());
    }

    void frameOrderDrawsAgainUntilNew() {
        TestContext tc;
        FakeHost host;
        tc.rnd.push(ScriptedRnd::forDraw(1, 10, 1));
        for (int v : {4, 4, 2, 4, 2, 1, 3})
            tc.rnd.push(ScriptedRnd::forDraw(v, 3, 1));
        FilmFramesWindow w(tc.ctx, host, *squareOfWindow(13), *filmRow(13));
        w.load();
        QCOMPARE((QList<int>{w.frameOrder(1), w.frameOrder(2), w.frameOrder(3), w.frameOrder(4)}),
                 (QList<int>{4, 2, 1, 3}));
        QCOMPARE(tc.rnd.overruns(), 0);
    }

    void dropRanges_data() {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<int>("slot");
        QTest::newRow("X 41 left of slot 1") << QPoint(41, 180) << 0;
        QTest::newRow("X 42 left of slot 1") << QPoint(42, 180) << 0;
        QTest::newRow("X 43 first column") << QPoint(43, 180) << 1;
        QTest::newRow("X 212 overlap goes to slot 1") << QPoint(212, 180) << 1;
        QTest::newRow("X 213 slot 2") << QPoint(213, 180) << 2;
        QTest::newRow("X 380 overlap goes to slot 2") << QPoint(380, 180) << 2;
        QTest::newRow("X 548 overlap goes to slot 3") << QPoint(548, 180) << 3;
        QTest::newRow("X 713 last accepted") << QPoint(713, 180) << 4;
        QTest::newRow("X 714 beyond the first test") << QPoint(714, 180) << 0;
        QTest::newRow("Y 121 above") << QPoint(100, 121) << 0;
        QTest::newRow("Y 122 top row") << QPoint(100, 122) << 1;
        QTest::newRow("Y 233 bottom row") << QPoint(100, 233) << 1;
        QTest::newRow("Y 234 below") << QPoint(100, 234) << 0;
        QTest::newRow("Y 235 below") << QPoint(100, 235) << 0;
        QTest::newRow("bare background") << QPoint(300, 60) << 0;
    }
    void dropRanges() {
        QFETCH(QPoint, point);
        QFETCH(int, slot);
        FilmFixture f;
        QLabel* frame = f.w->frame(1);
        const QPoint before = frame->pos();
        f.drag(1, point);
        QCOMPARE(filledSlot(f.w), slot);
        if (slot == 0) {
            QCOMPARE(frame->pos(), before);
            QVERIFY(f.w->frameMovable(1));
        } else {
            // Centred in the slot's window of the strip.
            const FilmSlot& s = kFilmSlots[slot - 1];
            QCOMPARE(frame->pos(), QPoint(s.xFrom + (s.width - 169) / 2, 121 + (113 - 109) / 2));
            QVERIFY(!f.w->frameMovable(1));
        }
        // frame(1) holds story position 3: any other slot makes the answer wrong.
        QCOMPARE(f.w->strip().misplaced(), slot != 0 && slot != 3);
    }

    void overlapFallsToNextSlotWhenFilled() {
        FilmFixture f;
        f.drag(1, QPoint(100, 180));
        QVERIFY(f.w->slotFilled(1));
        f.drag(2, QPoint(212, 180));
        QVERIFY(f.w->slotFilled(2));
        QCOMPARE(f.w->frame(2)->x(), 211);
        // With slot 1 filled a drop inside it goes nowhere else.
        f.drag(3, QPoint(100, 180));
        QVERIFY(!f.w->slotFilled(3) && !f.w->slotFilled(4));
        QVERIFY(f.w->frameMovable(3));
    }

    void placedFrameCannotBeDraggedAgain() {
        FilmFixture f;
        f.place(3, 3);
        const int j = f.frameOf(3);
        QLabel* frame = f.w->frame(j);
        const QPoint placed = frame->pos();
        QTest::mousePress(frame, Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(!f.w->findChild<QFrame*>(QStringLiteral("dragOutline"))->isVisible());
        const QPoint target = QPoint(kFilmSlots[3].xFrom + 80, 180) - frame->pos();
        QTest::mouseMove(frame, target);
        QTest::mouseRelease(frame, Qt::LeftButton, {}, target);
        QCOMPARE(frame->pos(), placed);
        QVERIFY(!f.w->slotFilled(4));
    }

    void pressingAFrameShowsTheMoveCursor() {
        FilmFixture f;
        QLabel* frame = f.w->frame(3);
        QCOMPARE(frame->cursor().hotSpot(), QPoint(12, 1));
        QTest::mousePress(frame, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(frame->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(frame->cursor().hotSpot(), QPoint(0, 0));
        QTest::mouseRelease(frame, Qt::LeftButton, {}, QPoint(10, 10));
    }

    void result_data() {
        QTest::addColumn<QList<int>>("slotOfPosition"); // slot for story positions 1..4, 0 = not placed
        QTest::addColumn<bool>("solved");
        QTest::newRow("four right") << QList<int>{1, 2, 3, 4} << true;
        QTest::newRow("three right, one slot empty") << QList<int>{1, 2, 3, 0} << false;
        QTest::newRow("two swapped") << QList<int>{2, 1, 3, 4} << false;
        QTest::newRow("nothing placed") << QList<int>{0, 0, 0, 0} << false;
    }
    void result() {
        QFETCH(QList<int>, slotOfPosition);
        QFETCH(bool, solved);
        FilmFixture f(13, 9, {4, 3, 2, 1});
        for (int pos = 1; pos <= 4; ++pos)
            if (slotOfPosition[pos - 1] != 0)
                f.place(pos, slotOfPosition[pos - 1]);
        QVERIFY(f.w->busy());
        f.done();
        QCOMPARE(f.host.answerCount, 1);
        QCOMPARE(f.host.lastRight, solved);
        QCOMPARE(f.host.lastCategory, 4);
        UsedPictureRecord expected(11);
        expected.setShown(9, true);
        expected.setSolved(9, solved);
        QCOMPARE(f.tc.programFolder.read(QStringLiteral("Temp/13.$$$")), expected.toBytes());
        settle();
        QVERIFY(f.w.isNull());
    }

    void closeBoxRefusedWhileRunning() {
        FilmFixture f;
        f.place(1, 1);
        QVERIFY(!f.w->close());
        QCOMPARE(f.host.answerCount, 0);
        QVERIFY(f.w->isVisible());
    }

    void usedPictureFile_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("firstDraw");
        QTest::addColumn<int>("story");
        UsedPictureRecord allButFive(11);
        for (int n = 1; n <= 11; ++n)
            allButFive.setShown(n, n != 5);
        for (int n = 1; n <= 11; ++n)
            allButFive.setSolved(n, true);
        QTest::newRow("missing file: nothing shown yet") << QByteArray() << 2 << 2;
        QTest::newRow("one record") << allButFive.toBytes() << 2 << 5;
        QTest::newRow("first of two records") << allButFive.toBytes() + QByteArray(44, '\0') << 2 << 5;
    }
    void usedPictureFile() {
        QFETCH(QByteArray, file);
        QFETCH(int, firstDraw);
        QFETCH(int, story);
        TestContext tc;
        FakeHost host;
        if (!file.isEmpty())
            tc.programFolder.write(QStringLiteral("Temp/8.$$$"), file);
        tc.rnd.push(ScriptedRnd::forDraw(firstDraw, 10, 1));
        if (story != firstDraw)
            tc.rnd.push(ScriptedRnd::forDraw(story, 10, 1));
        for (int v : {1, 2, 3, 4})
            tc.rnd.push(ScriptedRnd::forDraw(v, 3, 1));
        FilmFramesWindow w(tc.ctx, host, *squareOfWindow(8), *filmRow(8));
        w.load();
        QCOMPARE(w.story(), story);
        QCOMPARE(tc.rnd.overruns(), 0);
        const auto written =
            UsedPictureRecord::fromBytes(tc.programFolder.read(QStringLiteral("Temp/8.$$$")).left(44), 11);
        QVERIFY(written && written->shown(story));
    }
};

ZORNA_TEST_CLASS(FilmFramesWindowTest)
#include "film_frames_window_test.moc"
