#include "platform/focus_ring.h"
#include "support/catalog_window.h"
#include "support/test_context.h"
#include "support/test_registry.h"
#include "tasks/common/done_button.h"
#include "tasks/common/task_catalog.h"
#include "tasks/counting/cube_counting_window.h"
#include "tasks/counting/film_frames_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTest>

using namespace zorna;
using namespace zorna::test;

namespace {

QByteArray record(const QList<int>& shown, const QList<int>& solved, int slotCount = 11) {
    UsedPictureRecord r(slotCount);
    for (int n : shown)
        r.setShown(n, true);
    for (int n : solved)
        r.setSolved(n, true);
    return r.toBytes();
}

// Types into a box: key clicks for plain ASCII, an insert for other letters.
void type(QLineEdit* box, const QString& text) {
    bool ascii = true;
    for (QChar c : text)
        ascii = ascii && c.unicode() < 128;
    if (ascii)
        QTest::keyClicks(box, text);
    else
        box->insert(text);
}

void clickDone(DoneButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(30, 30));
}

} // namespace

class CubeCountingWindowTest : public QObject {
    Q_OBJECT

    template <class Window> Window* open(TestContext& tc, FakeHost& host, int picture) {
        const int windowNumber = std::is_same_v<Window, MissingCubesWindow> ? 22 : 23;
        tc.rnd.push(ScriptedRnd::forDraw(picture, 10, 1));
        auto* w = new Window(tc.ctx, host, *squareOfWindow(windowNumber));
        w->load();
        w->show();
        return w;
    }

private slots:
    void kletka22_comparesTexts_data() {
        QTest::addColumn<int>("picture");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<bool>("solved");
        QTest::newRow("picture 9, all fives") << 9 << QStringList{"5", "5", "5", "5", "5"} << true;
        QTest::newRow("picture 11, two digits") << 11 << QStringList{"8", "19", "20", "34", "26"} << true;
        QTest::newRow("spaces around") << 2 << QStringList{" 2", "3 ", "  4  ", "3", "6"} << true;
        QTest::newRow("leading zero") << 2 << QStringList{"2", "3", "04", "3", "6"} << false;
        QTest::newRow("decimal point") << 2 << QStringList{"2", "3", "4.0", "3", "6"} << false;
        QTest::newRow("plus sign") << 2 << QStringList{"2", "3", "+4", "3", "6"} << false;
        QTest::newRow("four right, one empty") << 2 << QStringList{"2", "3", "4", "3", ""} << false;
        QTest::newRow("two boxes swapped") << 11 << QStringList{"8", "20", "19", "34", "26"} << false;
    }
    void kletka22_comparesTexts() {
        QFETCH(int, picture);
        QFETCH(QStringList, typed);
        QFETCH(bool, solved);
        TestContext tc;
        FakeHost host;
        QPointer<MissingCubesWindow> w = open<MissingCubesWindow>(tc, host, picture);
        QCOMPARE(w->currentPicture(), picture);
        for (int k = 0; k < 5; ++k)
            type(w->answerBox(k + 1), typed[k]);
        clickDone(w->doneButton());
        QCOMPARE(host.answerCount, 1);
        QCOMPARE(host.lastRight, solved);
        QCOMPARE(host.lastCategory, 3);
        settle();
        QVERIFY(w.isNull());
        // The solved flag of the picture follows the answer.
        const QByteArray file = tc.programFolder.read(QStringLiteral("Temp/22.$$$"));
        QCOMPARE(file, record({picture}, solved ? QList<int>{picture} : QList<int>{}));
    }

    void kletka23_comparesNumbers_data() {
        QTest::addColumn<int>("picture");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("solved");
        QTest::newRow("plain") << 1 << "4" << true;
        QTest::newRow("leading zero") << 1 << "04" << true;
        QTest::newRow("spaces") << 4 << "  10 " << true;
        QTest::newRow("wrong") << 4 << "11" << false;
        QTest::newRow("half rounds down to even") << 1 << "4.5" << true;
        QTest::newRow("half rounds up to even") << 1 << "3.5" << true;
        QTest::newRow("decimal comma") << 2 << "4,5" << false;
        QTest::newRow("fraction above half") << 2 << "4,6" << true;
        QTest::newRow("two-digit count") << 10 << "45" << true;
        QTest::newRow("not a number") << 1 << "чотири" << false;
        QTest::newRow("number with a word") << 1 << "4 кубики" << false;
        QTest::newRow("beyond 16 bits") << 1 << "65540" << false;
        QTest::newRow("far beyond 16 bits") << 1 << "99999999999999999999" << false;
    }
    void kletka23_comparesNumbers() {
        QFETCH(int, picture);
        QFETCH(QString, typed);
        QFETCH(bool, solved);
        TestContext tc;
        FakeHost host;
        QPointer<CountCubesWindow> w = open<CountCubesWindow>(tc, host, picture);
        type(w->answerBox(), typed);
        clickDone(w->doneButton());
        QCOMPARE(host.answerCount, 1);
        QCOMPARE(host.lastRight, solved);
        QCOMPARE(host.lastCategory, 3);
        QVERIFY(tc.dialogs.asked().isEmpty());
        settle();
        QVERIFY(w.isNull());
    }

    // Keys alone: type, Enter on to the next box and to «Готово», Enter there hands the answer in.
    void keysAloneReachDone_data() {
        QTest::addColumn<int>("windowNumber");
        QTest::addColumn<int>("picture");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<bool>("solved");
        QTest::newRow("missing cubes") << 22 << 9 << QStringList{"5", "5", "5", "5", "5"} << true;
        QTest::newRow("missing cubes, wrong") << 22 << 9 << QStringList{"5", "5", "5", "5", "6"} << false;
        QTest::newRow("count cubes") << 23 << 4 << QStringList{"10"} << true;
        QTest::newRow("count cubes, wrong") << 23 << 4 << QStringList{"11"} << false;
    }
    void keysAloneReachDone() {
        QFETCH(int, windowNumber);
        QFETCH(int, picture);
        QFETCH(QStringList, typed);
        QFETCH(bool, solved);
        TestContext tc;
        FakeHost host;
        QPointer<CubeCountingWindow> w =
            windowNumber == 22 ? static_cast<CubeCountingWindow*>(open<MissingCubesWindow>(tc, host, picture))
                               : open<CountCubesWindow>(tc, host, picture);
        QApplication::setActiveWindow(w);
        for (const QString& text : typed) {
            QWidget* box = QApplication::focusWidget();
            QVERIFY(qobject_cast<QLineEdit*>(box));
            QTest::keyClicks(box, text);
            QTest::keyClick(box, Qt::Key_Return);
        }
        QCOMPARE(host.answerCount, 0);
        DoneButton* done = w->doneButton();
        QCOMPARE(QApplication::focusWidget(), done);
        QCOMPARE(done->grab().toImage().pixelColor(0, done->height() / 2), QColor(kFocusRingColour));
        QTest::keyClick(done, Qt::Key_Return);
        QCOMPARE(host.answerCount, 1);
        QCOMPARE(host.lastRight, solved);
        settle();
    }

    void tabReachesDone() {
        TestContext tc;
        FakeHost host;
        QPointer<MissingCubesWindow> w = open<MissingCubesWindow>(tc, host, 9);
        QApplication::setActiveWindow(w);
        QStringList order;
        for (int step = 0; step < 6; ++step) {
            order << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(order, (QStringList{"winPrav1", "winPrav2", "winPrav3", "winPrav4", "winPrav5", "Image2"}));
        QTest::keyClick(w->doneButton(), Qt::Key_Space);
        QCOMPARE(host.answerCount, 1);
        QVERIFY(!host.lastRight);
        settle();
    }

    void kletka23_blankBoxKeepsWindowOpen_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("empty") << "";
        QTest::newRow("spaces") << "   ";
    }
    void kletka23_blankBoxKeepsWindowOpen() {
        QFETCH(QString, typed);
        TestContext tc;
        FakeHost host;
        QPointer<CountCubesWindow> w = open<CountCubesWindow>(tc, host, 3);
        type(w->answerBox(), typed);
        clickDone(w->doneButton());
        settle();
        QVERIFY(!w.isNull());
        QVERIFY(w->isVisible());
        QVERIFY(w->busy());
        QCOMPARE(host.answerCount, 0);
        // The player can go on typing and answer.
        w->answerBox()->clear();
        QTest::keyClicks(w->answerBox(), QStringLiteral("8"));
        clickDone(w->doneButton());
        QCOMPARE(host.answerCount, 1);
        QVERIFY(host.lastRight);
    }

    void handBackOrder() {
        TestContext tc;
        FakeHost host;
        CountCubesWindow* w = open<CountCubesWindow>(tc, host, 5);
        QTest::keyClicks(w->answerBox(), QStringLiteral("12"));
        clickDone(w->doneButton());
        QCOMPARE(host.calls, handBack(true, 3));

        TestContext tc2;
        FakeHost host2;
        MissingCubesWindow* w2 = open<MissingCubesWindow>(tc2, host2, 9);
        clickDone(w2->doneButton());
        QCOMPARE(host2.calls, handBack(false, 3));
    }

    void closeBoxRefusedWhileRunning() {
        TestContext tc;
        FakeHost host;
        QPointer<MissingCubesWindow> w22 = open<MissingCubesWindow>(tc, host, 1);
        QPointer<CountCubesWindow> w23 = open<CountCubesWindow>(tc, host, 1);
        QVERIFY(!w22->close());
        QVERIFY(!w23->close());
        settle();
        QVERIFY(!w22.isNull() && w22->isVisible());
        QVERIFY(!w23.isNull() && w23->isVisible());
        QCOMPARE(host.answerCount, 0);
        delete w22;
        delete w23;
    }

    void drawsOnlyUnshownPictures() {
        // Every picture but 7 has been shown: draws of shown pictures are drawn again.
        TestContext tc;
        FakeHost host;
        QList<int> shown;
        for (int n = 1; n <= 11; ++n)
            if (n != 7)
                shown.append(n);
        tc.programFolder.write(QStringLiteral("Temp/23.$$$"), record(shown, {1, 2}));
        tc.rnd.push({ScriptedRnd::forDraw(3, 10, 1), ScriptedRnd::forDraw(11, 10, 1)});
        CountCubesWindow* w = open<CountCubesWindow>(tc, host, 7);
        QCOMPARE(w->currentPicture(), 7);
        QCOMPARE(tc.rnd.overruns(), 0);
        // The shown flag is written at once.
        shown.append(7);
        QCOMPARE(tc.programFolder.read(QStringLiteral("Temp/23.$$$")), record(shown, {1, 2}));
        const QImage expected(tc.ctx.folder.taskPicture(23, 7));
        QVERIFY(!expected.isNull());
        QCOMPARE(w->pictureBox()->picture().toImage().convertToFormat(QImage::Format_RGB32),
                 expected.convertToFormat(QImage::Format_RGB32));
        delete w;
    }

    void resetsWhenAllPicturesShown() {
        // All shown, 1..10 solved: only picture 11 can come back.
        TestContext tc;
        FakeHost host;
        QList<int> all;
        for (int n = 1; n <= 11; ++n)
            all.append(n);
        tc.programFolder.write(QStringLiteral("Temp/22.$$$"), record(all, all.mid(0, 10)));
        tc.rnd.push(ScriptedRnd::forDraw(4, 10, 1));
        MissingCubesWindow* w = open<MissingCubesWindow>(tc, host, 11);
        QCOMPARE(w->currentPicture(), 11);
        delete w;
    }

    void catalogOpensTheWindowsBySquare_data() {
        QTest::addColumn<int>("square");
        QTest::addColumn<QString>("className");
        QTest::newRow("task 24") << 24 << "zorna::MissingCubesWindow";
        QTest::newRow("task 18") << 18 << "zorna::CountCubesWindow";
        QTest::newRow("task 20") << 20 << "zorna::FilmFramesWindow";
        QTest::newRow("task 12") << 12 << "zorna::FilmFramesWindow";
    }
    void catalogOpensTheWindowsBySquare() {
        QFETCH(int, square);
        QFETCH(QString, className);
        const CatalogWindow opened(TaskFamily::Counting, square);
        QVERIFY(opened.window);
        QCOMPARE(opened.className(), className);
        QCOMPARE(opened.window->windowTitle(), QStringLiteral("Завдання №%1").arg(square));
        QVERIFY(opened.window->busy());
    }

    void pictureSizesFitTheWindows() {
        TestContext tc;
        for (int n = 1; n <= 11; ++n) {
            QCOMPARE(QImage(tc.ctx.folder.taskPicture(22, n)).size(), QSize(417, 276));
            QCOMPARE(QImage(tc.ctx.folder.taskPicture(23, n)).size(), QSize(424, 283));
        }
    }
};

ZORNA_TEST_CLASS(CubeCountingWindowTest)
#include "cube_counting_window_test.moc"
