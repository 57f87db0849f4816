#include "choice_fixture.h"
#include "support/test_registry.h"
#include "tasks/choice/missing_detail_window.h"

#include <QTest>

using namespace zorna;
using namespace zorna::test;

namespace {

constexpr int kSquare = 5;

AnswerRegion* candidate(MissingDetailWindow& w, int picture, int k) {
    return picture >= 6 ? w.sevenRegion(k) : w.fiveRegion(k);
}

} // namespace

class MissingDetailWindowTest : public QObject {
    Q_OBJECT
private slots:
    void regionSetFollowsThePicture_data() {
        QTest::addColumn<int>("picture");
        QTest::addColumn<bool>("seven");
        for (int n = 1; n <= 11; ++n)
            QTest::newRow(qPrintable(QStringLiteral("picture %1").arg(n))) << n << (n >= 6);
    }
    void regionSetFollowsThePicture() {
        QFETCH(int, picture);
        QFETCH(bool, seven);
        TestContext t(choiceCatalog());
        FakeHost host;
        auto w = openWithPicture<MissingDetailWindow>(t, host, kSquare, picture);
        QCOMPARE(w->current(), picture);
        for (int k = 1; k <= 5; ++k)
            QCOMPARE(w->fiveRegion(k)->isEnabled(), !seven);
        for (int k = 1; k <= 7; ++k)
            QCOMPARE(w->sevenRegion(k)->isEnabled(), seven);
        QCOMPARE(w->pictureBox()->picture().size(), w->pictureBox()->size());
        // Every candidate of the layout has its completed picture.
        for (int k = 1; k <= (seven ? 7 : 5); ++k)
            QVERIFY2(QFileInfo::exists(w->detailPath(picture, k)), qPrintable(w->detailPath(picture, k)));
    }

    void candidateIsShownForTwoTicksThenJudged_data() {
        QTest::addColumn<int>("picture");
        QTest::addColumn<int>("k");
        QTest::addColumn<bool>("right");
        QTest::newRow("picture 3, candidate 4") << 3 << 4 << true;
        QTest::newRow("picture 3, candidate 5") << 3 << 5 << false;
        QTest::newRow("picture 11, candidate 6") << 11 << 6 << true;
        QTest::newRow("picture 11, candidate 7") << 11 << 7 << false;
        QTest::newRow("picture 10, candidate 1") << 10 << 1 << true;
    }
    void candidateIsShownForTwoTicksThenJudged() {
        QFETCH(int, picture);
        QFETCH(int, k);
        QFETCH(bool, right);
        TestContext t(choiceCatalog());
        FakeHost host;
        auto w = openWithPicture<MissingDetailWindow>(t, host, kSquare, picture);
        QCOMPARE(w->windowTitle(), QStringLiteral("Завдання №5"));
        QCOMPARE(w->instructionLabel()->text(), QStringLiteral("Чого не вистачає на малюнку в рамці?"));
        QTest::mouseClick(candidate(*w, picture, k), Qt::LeftButton);
        QCOMPARE(w->chosen(), k);
        QVERIFY(!w->isEnabled());
        QCOMPARE(
            w->pictureBox()->picture().toImage(),
            QImage(w->detailPath(picture, k)).convertToFormat(w->pictureBox()->picture().toImage().format()));
        // The completed picture is seen in its colours while the window waits.
        QCOMPARE(w->pictureBox()->grab().toImage().convertToFormat(QImage::Format_RGB32),
                 QImage(w->detailPath(picture, k)).convertToFormat(QImage::Format_RGB32));
        // The first tick changes nothing.
        t.clock.advance(1000);
        QCOMPARE(w->ticks(), 1);
        QVERIFY(w->isVisible());
        QVERIFY(host.calls.isEmpty());
        t.clock.advance(999);
        QVERIFY(host.calls.isEmpty());
        t.clock.advance(1);
        QCOMPARE(host.calls, handBack(right, 4));
        QVERIFY(!w->isVisible());
        QCOMPARE(t.clock.enabledTimerCount(), 0);
    }

    // The regions of the other layout lie over some of these; clicks given where
    // a player gives them reach the region of the picture's own layout.
    void everyCandidateCanBeClickedWhereItIs_data() {
        QTest::addColumn<int>("picture");
        QTest::addColumn<int>("k");
        for (int picture : {3, 11})
            for (int k = 1; k <= (picture >= 6 ? 7 : 5); ++k)
                QTest::newRow(qPrintable(QStringLiteral("picture %1, candidate %2").arg(picture).arg(k)))
                    << picture << k;
    }
    void everyCandidateCanBeClickedWhereItIs() {
        QFETCH(int, picture);
        QFETCH(int, k);
        TestContext t(choiceCatalog());
        FakeHost host;
        auto w = openWithPicture<MissingDetailWindow>(t, host, kSquare, picture);
        AnswerRegion* region = candidate(*w, picture, k);
        for (QPoint at :
             {region->rect().center(), QPoint(2, 2), region->rect().bottomRight() - QPoint(2, 2)}) {
            if (w->chosen() != 0)
                break;
            clickAt(region, at);
        }
        QCOMPARE(w->chosen(), k);
    }

    void pauseTakesNoSecondClickAndNoClose() {
        TestContext t(choiceCatalog());
        FakeHost host;
        auto w = openWithPicture<MissingDetailWindow>(t, host, kSquare, 3);
        QTest::mouseClick(w->fiveRegion(1), Qt::LeftButton);
        QTest::mouseClick(w->fiveRegion(4), Qt::LeftButton);
        QCOMPARE(w->chosen(), 1);
        QVERIFY(!w->close());
        QVERIFY(w->isVisible());
        t.clock.advance(2000);
        QCOMPARE(host.calls, handBack(false, 4));
    }

    void picture11TakesNoClickOnTheFiveCandidateSet() {
        TestContext t(choiceCatalog());
        FakeHost host;
        auto w = openWithPicture<MissingDetailWindow>(t, host, kSquare, 11);
        QTest::mouseClick(w->fiveRegion(2), Qt::LeftButton);
        QCOMPARE(w->chosen(), 0);
        QVERIFY(w->isEnabled());
        t.clock.advance(3000);
        QVERIFY(host.calls.isEmpty());
        QVERIFY(w->busy());
    }

    void layoutsInPixels() {
        TestContext t(choiceCatalog());
        FakeHost host;
        auto w = openWithPicture<MissingDetailWindow>(t, host, kSquare, 1);
        QCOMPARE(w->size(), QSize(433, 381));
        QCOMPARE(w->pictureBox()->geometry(), QRect(8, 96, 414, 278));
        QCOMPARE(w->fiveRegion(5)->geometry(), QRect(280, 192, 129, 81));
        QCOMPARE(w->sevenRegion(2)->geometry(), QRect(0, 72, 97, 57));
        QCOMPARE(w->sevenRegion(7)->geometry(), QRect(312, 208, 97, 65));
    }
};
ZORNA_TEST_CLASS(MissingDetailWindowTest)

#include "missing_detail_window_test.moc"
