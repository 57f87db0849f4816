// Task 30, catch the balls, driven through the real window on the virtual clock.
#include "support/links.h"
#include "support/test_context.h"
#include "support/test_registry.h"
#include "tasks/reaction/catch_balls_window.h"

#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <set>

using namespace zorna;
using namespace zorna::test;
using namespace zorna::reaction;

namespace {

const int kCategory = 6;

// Release time of the i-th launch (0-based): the launch timer ticks from 4 s on.
qint64 releaseTime(int i) {
    return 4000 + 1000 * qint64(i);
}
// The ball's catch step: the 16th (chute 1 and 4) or the 15th (chutes 2 and 3).
qint64 catchDelay(int ball) {
    const int c = chuteOfBall(ball);
    return (c == 1 || c == 4) ? 8000 : 7500;
}

struct BallsFixture {
    TestContext t;
    FakeHost host;
    QPointer<CatchBallsWindow> w;

    BallsFixture() {
        w = new CatchBallsWindow(t.ctx, host, *taskOfSquare(30));
        w->load();
        w->show();
    }
    ~BallsFixture() {
        delete w.data();
        settle();
    }
    qint64 now() const { return t.clock.nowMs(); }
    void advanceTo(qint64 ms) { t.clock.advance(ms - now()); }
    // Balls released in this order.
    void script(const QList<int>& order) {
        for (int b : order)
            t.rnd.push(ScriptedRnd::forDraw(b, 19, 1));
    }
    void key(int qtKey, const QString& text, Qt::KeyboardModifiers mods = Qt::NoModifier,
             quint32 virtualKey = 0) {
        QKeyEvent press(QEvent::KeyPress, qtKey, mods, 0, virtualKey, 0, text);
        QCoreApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, qtKey, mods, 0, virtualKey, 0, text);
        QCoreApplication::sendEvent(w, &release);
    }
    void chuteKey(int chute) {
        static const char* letters[] = {"v", "b", "n", "m"};
        QTest::keyClick(w, letters[chute - 1][0]);
    }
    QImage picture(int n) const {
        return QImage(t.ctx.folder.taskFile(32, QStringLiteral("kolobok%1.bmp").arg(n)));
    }
    bool sceneIs(int n) const { return w->scene() == picture(n); }

    // Plays the twenty balls released in `order`, with the net under each ball's
    // chute just before its catch step, except for the balls in `miss`.
    void play(const QList<int>& order, const std::set<int>& miss) {
        script(order);
        QList<std::pair<qint64, int>> catches;
        for (int i = 0; i < order.size(); ++i)
            catches.append({releaseTime(i) + catchDelay(order[i]), order[i]});
        std::sort(catches.begin(), catches.end());
        for (const auto& [at, b] : catches) {
            advanceTo(at - 250);
            const int chute = chuteOfBall(b);
            chuteKey(miss.count(b) ? chute % 4 + 1 : chute);
        }
        advanceTo(40000);
    }
};

QList<int> inOrder() {
    QList<int> order;
    for (int b = 1; b <= 20; ++b)
        order.append(b);
    return order;
}

} // namespace

class CatchBallsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void instructionIsClearOfTheChutes() {
        BallsFixture f;
        auto* instruction = f.w->findChild<QLabel*>("Label2");
        const QFontMetrics metrics(instruction->font());
        const QRect text = metrics.boundingRect(instruction->contentsRect(), int(instruction->alignment()),
                                                instruction->text());
        QVERIFY2(instruction->contentsRect().contains(text), "the instruction fits its label");
        const QRect shown = text.translated(instruction->pos());
        const QList<QWidget*> mouths = f.w->findChildren<QWidget*>(QRegularExpression("^chuteMouth"));
        QCOMPARE(mouths.size(), 4);
        for (QWidget* mouth : mouths)
            QVERIFY2(!shown.intersects(mouth->geometry()), qPrintable(mouth->objectName()));
    }

    void windowLayout() {
        BallsFixture f;
        QCOMPARE(f.w->windowTitle(), QStringLiteral("Завдання №30"));
        QCOMPARE(f.w->size(), QSize(429, 287));
        QCOMPARE(f.w->findChild<QLabel*>("Label2")->text(),
                 QStringLiteral("Використовуючи клавіші V,B,N,M, спіймай 15 кульок"));
        QCOMPARE(f.w->countLabel()->text(), QStringLiteral("0"));
        QCOMPARE(f.w->ball(1)->geometry(), QRect(104, 56, 13, 14));
        QCOMPARE(f.w->ball(10)->geometry(), QRect(128, 56, 13, 14));
        QCOMPARE(f.w->ball(11)->geometry(), QRect(256, 56, 13, 14));
        QCOMPARE(f.w->ball(20)->geometry(), QRect(280, 56, 13, 14));
        QVERIFY(f.w->ball(1)->testAttribute(Qt::WA_TransparentForMouseEvents));
        QCOMPARE(f.w->lastKey(), kKeyV);
        for (int n = 1; n <= 4; ++n)
            QCOMPARE(f.picture(n).size(), QSize(428, 284));
        QVERIFY(f.sceneIs(1));
    }

    // The first ball is released 4 s after opening, then one a second; a ball
    // already released is drawn again.
    void twentyReleasesEachBallOnce() {
        BallsFixture f;
        QList<int> order{20, 1, 7, 13, 2, 19, 8, 14, 3, 18, 9, 15, 4, 17, 10, 11, 5, 16, 6, 12};
        QList<float> draws;
        for (int i = 0; i < order.size(); ++i) {
            if (i > 0)
                draws.append(ScriptedRnd::forDraw(order[i - 1], 19, 1)); // drawn again
            draws.append(ScriptedRnd::forDraw(order[i], 19, 1));
        }
        for (float d : draws)
            f.t.rnd.push(d);
        f.advanceTo(3999);
        QCOMPARE(f.w->launched(), 0);
        for (int i = 0; i < order.size(); ++i) {
            f.advanceTo(releaseTime(i));
            QCOMPARE(f.w->launched(), i + 1);
            QCOMPARE(f.w->ball(order[i])->y(), kBallStartTop);
            f.advanceTo(releaseTime(i) + 500);
            QCOMPARE(f.w->ball(order[i])->y(), kBallStartTop + 10);
        }
        QCOMPARE(f.t.rnd.remaining(), 0);
        QCOMPARE(f.t.rnd.overruns(), 0);
        f.advanceTo(30000);
        QCOMPARE(f.w->launched(), 20);
    }

    void catchAtTheCatchStep_data() {
        QTest::addColumn<int>("ball");
        QTest::addColumn<qint64>("delay");
        QTest::newRow("chute 1: 16th step") << 3 << qint64(8000);
        QTest::newRow("chute 2: 15th step") << 6 << qint64(7500);
        QTest::newRow("chute 3: 15th step") << 15 << qint64(7500);
        QTest::newRow("chute 4: 16th step") << 20 << qint64(8000);
    }
    void catchAtTheCatchStep() {
        QFETCH(int, ball);
        QFETCH(qint64, delay);
        BallsFixture f;
        f.script({ball});
        f.chuteKey(chuteOfBall(ball));
        f.advanceTo(4000 + delay - 1);
        QVERIFY(!f.w->ball(ball)->isHidden());
        QCOMPARE(f.w->countLabel()->text(), QStringLiteral("0"));
        f.advanceTo(4000 + delay);
        QVERIFY(f.w->ball(ball)->isHidden());
        QCOMPARE(f.w->caught(), 1);
        QCOMPARE(f.w->countLabel()->text(), QStringLiteral("1"));
        QCOMPARE(f.w->ballsFinished(), 1);
    }

    // The net arrives under chute 2 after the ball's 15th step: the ball is lost
    // at its 20th tick, 10 s after its release.
    void chute2BallLostWhileTheNetIsUnderChute1() {
        BallsFixture f;
        f.script({6});
        f.advanceTo(4000 + 7500);
        QVERIFY(!f.w->ball(6)->isHidden());
        f.chuteKey(2);
        QCOMPARE(f.w->lastKey(), kKeyB);
        f.advanceTo(4000 + 8000);
        QVERIFY(!f.w->ball(6)->isHidden());
        f.advanceTo(4000 + 9999);
        QVERIFY(!f.w->ball(6)->isHidden());
        f.advanceTo(4000 + 10000);
        QVERIFY(f.w->ball(6)->isHidden());
        QCOMPARE(f.w->caught(), 0);
        QCOMPARE(f.w->ballsFinished(), 1);
        QCOMPARE(f.w->countLabel()->text(), QStringLiteral("0"));
    }

    void result_data() {
        QTest::addColumn<int>("missed");
        QTest::addColumn<bool>("solved");
        QTest::newRow("20 caught") << 0 << true;
        QTest::newRow("15 caught") << 5 << true;
        QTest::newRow("14 caught") << 6 << false;
        QTest::newRow("none caught") << 20 << false;
    }
    void result() {
        QFETCH(int, missed);
        QFETCH(bool, solved);
        BallsFixture f;
        // Released chute by chute; the last `missed` balls are let through.
        std::set<int> miss;
        for (int b = 21 - missed; b <= 20; ++b)
            miss.insert(b);
        f.play(inOrder(), miss);
        const Message expected{QString(), solved ? "Правильно" : "Неправильно", MsgIcon::None,
                               MsgButtons::Ok};
        QCOMPARE(f.t.dialogs.asked(), QList<Message>{expected});
        QCOMPARE(f.host.calls, handBack(solved, kCategory));
        QCOMPARE(f.host.lastCategory, 6);
        QCOMPARE(f.t.clock.enabledTimerCount(), 0);
        settle();
        QVERIFY(f.w.isNull());
    }

    // The last ball finishing decides, whether caught or lost; the task ends
    // about half a minute after opening.
    void endsWhenTheTwentiethBallIsFinished() {
        BallsFixture f;
        f.script(inOrder());
        // Ball 20 is released last, at 23 s, and lost 10 s later.
        f.advanceTo(33000 - 1);
        QVERIFY(f.t.dialogs.asked().isEmpty());
        QCOMPARE(f.w->ballsFinished(), 19);
        f.advanceTo(33000);
        QCOMPARE(f.t.dialogs.asked().size(), 1);
        QCOMPARE(f.host.answerCount, 1);
    }

    // Keys: either letter case, the Cyrillic letters on the same keys, Shift
    // ignored; other keys change nothing.
    void keys_data() {
        QTest::addColumn<int>("qtKey");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<uint>("virtualKey");
        QTest::addColumn<int>("expected");
        const int none = int(Qt::NoModifier);
        const int shift = int(Qt::ShiftModifier);
        QTest::newRow("b") << int(Qt::Key_B) << "b" << none << 0u << kKeyB;
        QTest::newRow("B with Shift") << int(Qt::Key_B) << "B" << shift << 0u << kKeyB;
        QTest::newRow("n") << int(Qt::Key_N) << "n" << none << 0u << kKeyN;
        QTest::newRow("M with Shift") << int(Qt::Key_M) << "M" << shift << 0u << kKeyM;
        QTest::newRow("Cyrillic и") << 0x418 << QString(QChar(0x438)) << none << 0u << kKeyB;
        QTest::newRow("Cyrillic И with Shift") << 0x418 << QString(QChar(0x418)) << shift << 0u << kKeyB;
        QTest::newRow("Cyrillic т") << 0x422 << QString(QChar(0x442)) << none << 0u << kKeyN;
        QTest::newRow("Cyrillic ь") << 0x42C << QString(QChar(0x44C)) << none << 0u << kKeyM;
        QTest::newRow("native virtual key of M") << 0 << QString() << none << 77u << kKeyM;
        QTest::newRow("A is ignored") << int(Qt::Key_A) << "a" << none << 0u << kKeyV;
        QTest::newRow("Cyrillic а is ignored") << 0x410 << QString(QChar(0x430)) << none << 0u << kKeyV;
        QTest::newRow("Shift alone is ignored") << int(Qt::Key_Shift) << QString() << shift << 0u << kKeyV;
        QTest::newRow("Enter is ignored") << int(Qt::Key_Return) << "\r" << none << 0u << kKeyV;
    }
    void keys() {
        QFETCH(int, qtKey);
        QFETCH(QString, text);
        QFETCH(int, modifiers);
        QFETCH(uint, virtualKey);
        QFETCH(int, expected);
        BallsFixture f;
        f.key(qtKey, text, Qt::KeyboardModifiers(modifiers), virtualKey);
        QCOMPARE(f.w->lastKey(), expected);
        static const int pictureOfChute[] = {1, 4, 3, 2};
        QVERIFY(f.sceneIs(pictureOfChute[chuteOfKey(expected) - 1]));
    }

    // The Cyrillic м (the V key) brings the net back under chute 1.
    void cyrillicEmMovesBackToChute1() {
        BallsFixture f;
        f.key(Qt::Key_M, "m");
        QVERIFY(f.sceneIs(2));
        f.key(0x41C, QString(QChar(0x43C)));
        QCOMPARE(f.w->lastKey(), kKeyV);
        QVERIFY(f.sceneIs(1));
    }

    // The key of the chute the net is under does not load the picture again.
    void sameKeyDoesNotReload() {
        BallsFixture f;
        // A private copy of the window's folder whose pictures the test can change.
        const QString folder = f.t.programFolder.root() + "/kletka32";
        QVERIFY(unshare(folder));
        QVERIFY(QDir().mkpath(folder));
        const QImage other(428, 284, QImage::Format_RGB32);
        QImage changed = other;
        changed.fill(Qt::darkGreen);
        for (int n = 1; n <= 4; ++n)
            QVERIFY(changed.save(folder + QStringLiteral("/kolobok%1.bmp").arg(n), "BMP"));
        const QImage before = f.w->scene();
        f.chuteKey(1);
        QCOMPARE(f.w->scene(), before);
        f.chuteKey(2);
        QCOMPARE(f.w->scene().pixel(10, 10), QColor(Qt::darkGreen).rgb());
    }

    void closeBoxRefusedWhileBusy() {
        BallsFixture f;
        f.advanceTo(6000);
        QVERIFY(!f.w->close());
        settle();
        QVERIFY(!f.w.isNull());
        QVERIFY(f.host.calls.isEmpty());
    }
};

ZORNA_TEST_CLASS(CatchBallsWindowTest)
#include "catch_balls_window_test.moc"
