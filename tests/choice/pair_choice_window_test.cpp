#include "choice_fixture.h"
#include "support/test_registry.h"
#include "tasks/choice/pair_choice_window.h"

#include <QTest>

using namespace zorna;
using namespace zorna::test;

class PairChoiceWindowTest : public QObject {
    Q_OBJECT
private slots:
    void secondClickJudgesThePairInEitherOrder_data() {
        QTest::addColumn<int>("square");
        QTest::addColumn<int>("picture");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<bool>("right");
        QTest::addColumn<int>("category");
        QTest::newRow("kletka19 pic 8: 3 then 1") << 25 << 8 << 3 << 1 << true << 2;
        QTest::newRow("kletka19 pic 8: 1 then 3") << 25 << 8 << 1 << 3 << true << 2;
        QTest::newRow("kletka19 pic 8: 1 then 1") << 25 << 8 << 1 << 1 << false << 2;
        QTest::newRow("kletka19 pic 8: 1 then 2") << 25 << 8 << 1 << 2 << false << 2;
        QTest::newRow("kletka19 pic 11: 4 then 1") << 25 << 11 << 4 << 1 << true << 2;
        QTest::newRow("kletka19 pic 1: pair of pic 8") << 25 << 1 << 1 << 3 << false << 2;
        QTest::newRow("kletka10 pic 1: 5 then 1") << 9 << 1 << 5 << 1 << true << 4;
        QTest::newRow("kletka10 pic 9: 2 then 6") << 9 << 9 << 2 << 6 << true << 4;
        QTest::newRow("kletka10 pic 6: 3 then 3") << 9 << 6 << 3 << 3 << false << 4;
        QTest::newRow("kletka10 pic 6: 4 then 5") << 9 << 6 << 4 << 5 << false << 4;
    }
    void secondClickJudgesThePairInEitherOrder() {
        QFETCH(int, square);
        QFETCH(int, picture);
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(bool, right);
        QFETCH(int, category);
        TestContext t(choiceCatalog());
        FakeHost host;
        const int pictures = square == 9 ? 9 : 11;
        auto w = openWithPicture<PairChoiceWindow>(t, host, square, picture, pictures);
        QVERIFY(w);
        QCOMPARE(w->current(), picture);
        QTest::mouseClick(w->region(first), Qt::LeftButton);
        QCOMPARE(host.answerCount, 0);
        QVERIFY(w->busy());
        QTest::mouseClick(w->region(second), Qt::LeftButton);
        QCOMPARE(host.calls, handBack(right, category));
        QVERIFY(!w->isVisible());
        // The solved flag of the picture follows the answer.
        const auto record = UsedPictureRecord::fromBytes(
            t.programFolder.read(QStringLiteral("Temp/%1.$$$").arg(w->task().windowNumber)), 11);
        QVERIFY(record);
        QVERIFY(record->shown(picture));
        QCOMPARE(record->solved(picture), right);
    }

    void windowLayoutAndTexts_data() {
        QTest::addColumn<int>("square");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("instruction");
        QTest::addColumn<QSize>("client");
        QTest::newRow("kletka10") << 9 << QStringLiteral("Завдання №9")
                                  << QStringLiteral(
                                         "Пригадай назву кожного з представлених об’єктів. Вибери два "
                                         "об’єкти, з літер назви одного з яких можна скласти назву другого.")
                                  << QSize(431, 378);
        QTest::newRow("kletka19") << 25 << QStringLiteral("Завдання №25")
                                  << QStringLiteral("Знайди два однакових малюнка") << QSize(428, 371);
    }
    void windowLayoutAndTexts() {
        QFETCH(int, square);
        QFETCH(QString, caption);
        QFETCH(QString, instruction);
        QFETCH(QSize, client);
        TestContext t(choiceCatalog());
        FakeHost host;
        auto w = openWithPicture<PairChoiceWindow>(t, host, square, 2, square == 9 ? 9 : 11);
        QCOMPARE(w->windowTitle(), caption);
        QCOMPARE(w->instructionLabel()->text(), instruction);
        QCOMPARE(w->size(), client);
        QCOMPARE(w->pictureBox()->size(), QSize(414, 273));
        // The picture of the drawn number is shown at the picture box size.
        QCOMPARE(w->pictureBox()->picture().size(), w->pictureBox()->size());
        QCOMPARE(w->region(5)->geometry(), QRect(136, 144, 129, 129));
    }

    void singleClickKeepsTheWindowOpenAndBusy() {
        TestContext t(choiceCatalog());
        FakeHost host;
        auto w = openWithPicture<PairChoiceWindow>(t, host, 25, 8);
        QTest::mouseClick(w->region(1), Qt::LeftButton);
        QCOMPARE(w->clickCount(), 1);
        QVERIFY(!w->close());
        QVERIFY(w->isVisible());
        QVERIFY(w->busy());
        QVERIFY(host.calls.isEmpty());
    }

    void firstPickIsFramedUntilTheSecond_data() {
        QTest::addColumn<int>("square");
        QTest::newRow("anagrams") << 9;
        QTest::newRow("twin pictures") << 25;
    }
    void firstPickIsFramedUntilTheSecond() {
        QFETCH(int, square);
        TestContext t(choiceCatalog());
        FakeHost host;
        auto w = openWithPicture<PairChoiceWindow>(t, host, square, 1);
        const auto edgeOf = [&w](int k) {
            return w->region(k)->grab().toImage().pixelColor(1, w->region(k)->height() / 2);
        };
        const QColor mark(0x0000C0);
        QVERIFY(edgeOf(3) != mark);
        QTest::mouseClick(w->region(3), Qt::LeftButton);
        QCOMPARE(edgeOf(3), mark);
        for (int k : {1, 2, 4, 5, 6})
            QVERIFY(edgeOf(k) != mark);
        QTest::mouseClick(w->region(5), Qt::LeftButton);
        QCOMPARE(host.answerCount, 1);
        QVERIFY(edgeOf(3) != mark);
        QVERIFY(edgeOf(5) != mark);
    }

    void kletka10DrawsOnlyItsNinePictures() {
        TestContext t(choiceCatalog());
        // The highest value the generator can give lands on picture 9, never 10.
        t.rnd.push(0.99999f);
        FakeHost host;
        std::unique_ptr<TaskWindow> w(t.catalog.open(9, t.ctx, host));
        auto* pair = static_cast<PairChoiceWindow*>(w.get());
        QCOMPARE(pair->current(), 9);
        QCOMPARE(pair->deck()->pictureCount(), 9);
        // The written record keeps the 44 bytes of 11 slots.
        QCOMPARE(t.programFolder.read(QStringLiteral("Temp/10.$$$")).size(), 44);
        pair->setAttribute(Qt::WA_DeleteOnClose, false);
        QTest::mouseClick(pair->region(2), Qt::LeftButton);
        QTest::mouseClick(pair->region(6), Qt::LeftButton);
        QVERIFY(host.lastRight);
    }

    // With pictures 1..9 all shown, the reset brings back the wrongly answered
    // ones only, and leaves slots 10 and 11 as they were.
    void kletka10ResetCountsSlotsOneToNine() {
        TestContext t(choiceCatalog());
        t.programFolder.write(QStringLiteral("Temp/10.$$$"),
                              usedRecord({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {1, 2, 3, 5, 6, 7, 8, 9, 11}));
        // Draws 3 (solved, stays out), then 4 (the only one back).
        t.rnd.push({ScriptedRnd::forDraw(3, 8, 1), ScriptedRnd::forDraw(4, 8, 1)});
        FakeHost host;
        std::unique_ptr<TaskWindow> w(t.catalog.open(9, t.ctx, host));
        QCOMPARE(static_cast<PairChoiceWindow*>(w.get())->current(), 4);
        QCOMPARE(t.rnd.remaining(), 0);
        const auto record =
            UsedPictureRecord::fromBytes(t.programFolder.read(QStringLiteral("Temp/10.$$$")), 11);
        QVERIFY(record);
        for (int n = 1; n <= 9; ++n)
            QVERIFY(record->shown(n));
        QVERIFY(!record->solved(4));
        QVERIFY(record->shown(10));
        QVERIFY(!record->shown(11));
        QVERIFY(!record->solved(10));
        QVERIFY(record->solved(11));
    }

    void kletka10WithEverythingSolvedStartsOver() {
        TestContext t(choiceCatalog());
        t.programFolder.write(QStringLiteral("Temp/10.$$$"),
                              usedRecord({1, 2, 3, 4, 5, 6, 7, 8, 9}, {1, 2, 3, 4, 5, 6, 7, 8, 9}));
        t.rnd.push(ScriptedRnd::forDraw(1, 8, 1));
        FakeHost host;
        std::unique_ptr<TaskWindow> w(t.catalog.open(9, t.ctx, host));
        const auto record =
            UsedPictureRecord::fromBytes(t.programFolder.read(QStringLiteral("Temp/10.$$$")), 11);
        QVERIFY(record);
        for (int n = 1; n <= 11; ++n) {
            QCOMPARE(record->shown(n), n == 1);
            QVERIFY(!record->solved(n));
        }
    }

    void movingOverARegionReloadsThePointingHand() {
        TestContext t(choiceCatalog());
        FakeHost host;
        auto w = openWithPicture<PairChoiceWindow>(t, host, 25, 8);
        AnswerRegion* region = w->region(3);
        QTest::mousePress(region, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(cursorImage(region), cursorFileImage(t, "h_move.cur"));
        QTest::mouseMove(region, QPoint(20, 20));
        QCOMPARE(cursorImage(region), cursorFileImage(t, "h_point.cur"));
        QTest::mouseRelease(region, Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(w->clickCount(), 1);
    }
};
ZORNA_TEST_CLASS(PairChoiceWindowTest)

#include "pair_choice_window_test.moc"
