// Task 13, hit the apple, driven through the real window on the virtual clock.
#include "support/test_context.h"
#include "support/test_registry.h"
#include "tasks/common/click_label.h"
#include "tasks/reaction/hit_apple_window.h"

#include <QPointer>
#include <QTest>

using namespace zorna;
using namespace zorna::test;

namespace {

const int kCategory = 6;

struct AppleFixture {
    TestContext t;
    FakeHost host;
    QPointer<HitAppleWindow> w;

    // Opens the window with the apple's start cell drawn as `start`.
    explicit AppleFixture(int start) {
        t.rnd.push(ScriptedRnd::forDraw(start, 63, 1));
        w = new HitAppleWindow(t.ctx, host, *taskOfSquare(13));
        w->load();
        w->show();
    }
    ~AppleFixture() {
        delete w.data();
        settle();
    }
    void click(int cell) { QTest::mouseClick(w->cell(cell), Qt::LeftButton, {}, QPoint(16, 16)); }
    QImage shown(int cell) const { return w->cell(cell)->pixmap().toImage(); }
    QImage file(const QString& name) const {
        return QImage(t.ctx.folder.taskFile(26, name)).convertToFormat(QImage::Format_RGB32);
    }
    bool showsFile(int cell, const QString& name) const {
        const QImage image = shown(cell);
        return !image.isNull() && image.convertToFormat(QImage::Format_RGB32) == file(name);
    }
    // Directions for the next steps of the apple, each drawn as r * 3 + 1.
    void pushSteps(std::initializer_list<int> directions) {
        for (int d : directions)
            t.rnd.push(ScriptedRnd::forDraw(d, 3, 1));
    }
};

} // namespace

class HitAppleWindowTest : public QObject {
    Q_OBJECT
private slots:
    void windowLayout() {
        AppleFixture f(20);
        QCOMPARE(f.w->windowTitle(), QStringLiteral("Завдання №13"));
        QCOMPARE(f.w->size(), QSize(288, 379));
        QCOMPARE(f.w->cell(1)->geometry(), QRect(16, 104, 33, 33));
        QCOMPARE(f.w->cell(64)->geometry(), QRect(16 + 7 * 32, 104 + 7 * 32, 33, 33));
        QCOMPARE(f.w->findChild<QLabel*>("winText")->text(), QStringLiteral("Попади в яблучко"));
        QVERIFY(!f.w->cell(1)->cursor().pixmap().isNull());
        QCOMPARE(f.w->cell(1)->cursor().hotSpot(), QPoint(16, 16));
    }

    // Before the first tick no apple is shown, yet a click is judged against the
    // drawn start cell.
    void clickBeforeTheFirstTick_data() {
        QTest::addColumn<int>("clicked");
        QTest::addColumn<bool>("hit");
        QTest::newRow("on the drawn cell") << 20 << true;
        QTest::newRow("on a neighbour") << 21 << false;
    }
    void clickBeforeTheFirstTick() {
        QFETCH(int, clicked);
        QFETCH(bool, hit);
        AppleFixture f(20);
        f.t.clock.advance(300);
        for (int n = 1; n <= 64; ++n)
            QVERIFY(f.shown(n).isNull());
        f.click(clicked);
        if (!hit) {
            QCOMPARE(f.host.calls, handBack(false, kCategory));
            return;
        }
        QCOMPARE(f.host.answerCount, 0);
        // The apple stopped: the 700 ms step does not come.
        f.t.clock.advance(600);
        QCOMPARE(f.w->appleCell(), 20);
        QVERIFY(f.showsFile(20, "apple1.jpg"));
        QCOMPARE(f.t.rnd.overruns(), 0);
    }

    // A hit plays frames 1..9 every 600 ms and hands back "solved" at the tenth tick.
    void hitAnimationThenSolved() {
        AppleFixture f(20);
        f.pushSteps({2});
        f.t.clock.advance(700);
        QCOMPARE(f.w->appleCell(), 21);
        f.click(21);
        for (int frame = 1; frame <= 9; ++frame) {
            f.t.clock.advance(600);
            QVERIFY2(f.showsFile(21, QStringLiteral("apple%1.jpg").arg(frame)),
                     qPrintable(QString::number(frame)));
            QCOMPARE(f.host.answerCount, 0);
        }
        f.t.clock.advance(599);
        QCOMPARE(f.host.answerCount, 0);
        f.t.clock.advance(1);
        QCOMPARE(f.host.calls, handBack(true, kCategory));
        QCOMPARE(f.host.lastCategory, 6);
        settle();
        QVERIFY(f.w.isNull());
        QCOMPARE(f.t.clock.enabledTimerCount(), 0);
    }

    void appleWandersEvery700ms() {
        AppleFixture f(20);
        // Right, up, down.
        f.pushSteps({2, 3, 4});
        f.t.clock.advance(699);
        QVERIFY(f.shown(21).isNull());
        f.t.clock.advance(1);
        QCOMPARE(f.w->appleCell(), 21);
        QVERIFY(f.showsFile(21, "apple.jpg"));
        QVERIFY(f.shown(20).isNull());
        f.t.clock.advance(700);
        QCOMPARE(f.w->appleCell(), 13);
        QVERIFY(f.showsFile(13, "apple.jpg"));
        QVERIFY(f.shown(21).isNull());
        f.t.clock.advance(700);
        QCOMPARE(f.w->appleCell(), 21);
        QVERIFY(f.shown(13).isNull());
        // Every step reseeds the generator; the start cell is drawn without reseeding.
        QCOMPARE(f.t.rnd.randomizeCount(), 3);
        QCOMPARE(f.host.answerCount, 0);
    }

    void appleStaysOnTheBoardAtTheTop() {
        AppleFixture f(3);
        // Up from the top row is drawn again: up, up, then down.
        f.pushSteps({3, 3, 4});
        f.t.clock.advance(700);
        QCOMPARE(f.w->appleCell(), 11);
        QCOMPARE(f.t.rnd.remaining(), 0);
    }

    void appleWrapsAtTheSide() {
        AppleFixture f(16);
        f.pushSteps({2});
        f.t.clock.advance(700);
        QCOMPARE(f.w->appleCell(), 17);
        QVERIFY(f.showsFile(17, "apple.jpg"));
    }

    void clickOnTheWrongCellFailsAtOnce() {
        AppleFixture f(20);
        f.pushSteps({2});
        f.t.clock.advance(700);
        f.click(20); // where the apple was
        QCOMPARE(f.host.calls, handBack(false, kCategory));
        QCOMPARE(f.host.lastRight, false);
        settle();
        QVERIFY(f.w.isNull());
    }

    // During the animation a click on the apple starts it again from frame 1; a
    // click elsewhere ends the task as not solved.
    void clicksDuringTheAnimation() {
        AppleFixture f(20);
        f.click(20);
        f.t.clock.advance(1800);
        QVERIFY(f.showsFile(20, "apple3.jpg"));
        f.click(20);
        f.t.clock.advance(600);
        QVERIFY(f.showsFile(20, "apple1.jpg"));
        f.t.clock.advance(8 * 600);
        QVERIFY(f.showsFile(20, "apple9.jpg"));
        QCOMPARE(f.host.answerCount, 0);
        f.click(19);
        QCOMPARE(f.host.calls, handBack(false, kCategory));
    }

    void closeBoxRefusedWhileBusy() {
        AppleFixture f(20);
        QVERIFY(!f.w->close());
        settle();
        QVERIFY(!f.w.isNull());
        QVERIFY(f.host.calls.isEmpty());
    }
};

ZORNA_TEST_CLASS(HitAppleWindowTest)
#include "hit_apple_window_test.moc"
