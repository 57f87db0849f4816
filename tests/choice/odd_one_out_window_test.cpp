#include "choice_fixture.h"
#include "support/test_registry.h"
#include "tasks/choice/odd_one_out_window.h"

#include <QTest>

using namespace zorna;
using namespace zorna::test;

namespace {
constexpr int kSquare = 16;
}

class OddOneOutWindowTest : public QObject {
    Q_OBJECT
private slots:
    void picture7IsSolvedByButton3Only_data() {
        QTest::addColumn<int>("button");
        for (int b = 1; b <= 5; ++b)
            QTest::newRow(qPrintable(QStringLiteral("button %1").arg(b))) << b;
    }
    void picture7IsSolvedByButton3Only() {
        QFETCH(int, button);
        TestContext t(choiceCatalog());
        FakeHost host;
        auto w = openWithPicture<OddOneOutWindow>(t, host, kSquare, 7);
        QCOMPARE(w->current(), 7);
        QTest::mouseClick(w->numberButton(button), Qt::LeftButton);
        QCOMPARE(host.calls, handBack(button == 3, 4));
    }

    void windowShowsInstructionPictureAndButtons() {
        TestContext t(choiceCatalog());
        FakeHost host;
        auto w = openWithPicture<OddOneOutWindow>(t, host, kSquare, 2);
        QCOMPARE(w->windowTitle(), QStringLiteral("Завдання №16"));
        QCOMPARE(w->instructionLabel()->text(),
                 QStringLiteral(
                     "Ви бачите п'ять різних об'єктів, з яких чотири належать до однієї групи за певною "
                     "ознакою, і лише один до цієї групи не належить. Під яким номером зображений цей "
                     "об'єкт?"));
        QCOMPARE(w->size(), QSize(436, 465));
        // The whole instruction fits its label, whatever font stands in for MS Sans Serif.
        QVERIFY(QFontMetrics(w->instructionLabel()->font())
                    .boundingRect(QRect(0, 0, w->instructionLabel()->width(), 10000), Qt::TextWordWrap,
                                  w->instructionLabel()->text())
                    .height() <= w->instructionLabel()->height());
        QCOMPARE(w->pictureBox()->geometry(), QRect(8, 104, 417, 273));
        QCOMPARE(w->pictureBox()->picture().size(), w->pictureBox()->size());
        const QList<QRect> buttons{
            {8, 384, 84, 69}, {96, 384, 80, 69}, {176, 384, 80, 69}, {256, 384, 80, 69}, {344, 384, 79, 69}};
        QList<QImage> faces;
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(w->numberButton(i + 1)->geometry(), buttons[i]);
            auto* face = w->numberButton(i + 1)->findChild<QLabel*>();
            QVERIFY(face);
            QVERIFY(!face->pixmap().isNull());
            faces.append(face->pixmap().toImage());
        }
        // Each button shows its own digit.
        for (int i = 1; i < 5; ++i)
            QVERIFY(faces[i] != faces[i - 1]);
    }

    void clickOnThePictureDoesNothing() {
        TestContext t(choiceCatalog());
        FakeHost host;
        auto w = openWithPicture<OddOneOutWindow>(t, host, kSquare, 7);
        QTest::mouseClick(w->pictureBox(), Qt::LeftButton, {}, QPoint(200, 100));
        QVERIFY(host.calls.isEmpty());
        QVERIFY(w->busy());
        QVERIFY(!w->close());
    }

    void buttonsKeepThePointingHandWhilePressed() {
        TestContext t(choiceCatalog());
        FakeHost host;
        auto w = openWithPicture<OddOneOutWindow>(t, host, kSquare, 7);
        AnswerRegion* button = w->numberButton(1);
        const QImage hand = cursorImage(button);
        QCOMPARE(button->cursor().hotSpot(), QPoint(12, 1));
        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(cursorImage(button), hand);
        QVERIFY(cursorImage(button) != cursorFileImage(t, "h_move.cur"));
    }

    // A picture shown in an earlier turn stays out at the next opening.
    void usedPictureFileIsReadAtTheNextOpening() {
        TestContext t(choiceCatalog());
        {
            FakeHost host;
            auto w = openWithPicture<OddOneOutWindow>(t, host, kSquare, 7);
            QTest::mouseClick(w->numberButton(3), Qt::LeftButton);
            QVERIFY(host.lastRight);
        }
        QCOMPARE(t.programFolder.read(QStringLiteral("Temp/5.$$$")), usedRecord({7}, {7}));
        FakeHost host;
        t.rnd.push({ScriptedRnd::forDraw(7, 10, 1), ScriptedRnd::forDraw(2, 10, 1)});
        std::unique_ptr<TaskWindow> w(t.catalog.open(kSquare, t.ctx, host));
        QCOMPARE(static_cast<OddOneOutWindow*>(w.get())->current(), 2);
        QCOMPARE(t.programFolder.read(QStringLiteral("Temp/5.$$$")), usedRecord({2, 7}, {7}));
    }
};
ZORNA_TEST_CLASS(OddOneOutWindowTest)

#include "odd_one_out_window_test.moc"
