#include "platform/focus_ring.h"
#include "support/test_context.h"
#include "support/test_registry.h"
#include "tasks/choice/single_choice_window.h"
#include "tasks/common/answer_region.h"
#include "tasks/common/task_catalog.h"

#include <QLabel>
#include <QTest>

using namespace zorna;
using zorna::test::FakeHost;
using zorna::test::TestContext;

namespace {

TaskCatalog choiceCatalog() {
    return buildTaskCatalog(TaskFamily::Choice);
}

// Opens the single-choice window of a square with picture n drawn.
SingleChoiceWindow* openWithPicture(TestContext& t, FakeHost& host, int square, int picture) {
    t.rnd.push(ScriptedRnd::forDraw(picture, 10, 1));
    auto* w = static_cast<SingleChoiceWindow*>(t.catalog.open(square, t.ctx, host));
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    w->show();
    return w;
}

} // namespace

class SingleChoiceWindowTest : public QObject {
    Q_OBJECT
private slots:
    void kletka2Picture7() {
        TestContext t(choiceCatalog());
        for (const auto& [region, right] : {std::pair{2, true}, std::pair{5, false}}) {
            t.programFolder.write(QStringLiteral("Temp/2.$$$"), QByteArray());
            FakeHost host;
            std::unique_ptr<SingleChoiceWindow> w(openWithPicture(t, host, 1, 7));
            QCOMPARE(w->currentPicture(), 7);
            QTest::mouseClick(w->region(region), Qt::LeftButton);
            QCOMPARE(host.answerCount, 1);
            QCOMPARE(host.lastRight, right);
            QCOMPARE(host.lastCategory, 4);
        }
    }

    // Every window: the right region of every picture solves, another does not;
    // and every window shows its own picture file at the picture box size.
    void everyWindowJudgesByItsAnswerTable_data() {
        QTest::addColumn<int>("square");
        for (int s = 1; s <= 32; ++s)
            if (singleChoiceRow(taskOfSquare(s)->windowNumber))
                QTest::newRow(qPrintable(taskOfSquare(s)->windowName())) << s;
    }
    void everyWindowJudgesByItsAnswerTable() {
        QFETCH(int, square);
        const TaskSquare& task = *taskOfSquare(square);
        const SingleChoiceRow& row = *singleChoiceRow(task.windowNumber);
        TestContext t(choiceCatalog());
        for (int picture = 1; picture <= 11; ++picture) {
            const int right = row.answers[picture - 1];
            QVERIFY(regionVisible(row, right, picture));
            int wrong = 0;
            for (int i = 1; i <= row.regionCount; ++i)
                if (i != right && regionVisible(row, i, picture))
                    wrong = i;
            for (int clicked : {right, wrong}) {
                t.programFolder.write(QStringLiteral("Temp/%1.$$$").arg(task.windowNumber), QByteArray());
                FakeHost host;
                std::unique_ptr<SingleChoiceWindow> w(openWithPicture(t, host, square, picture));
                QCOMPARE(w->windowTitle(), QString::fromUtf8(task.caption));
                QCOMPARE(w->instructionLabel()->text(), QString::fromUtf8(row.instruction));
                const QPixmap shown = w->pictureBox()->picture();
                QVERIFY2(!shown.isNull(), "task picture missing");
                QCOMPARE(shown.size(), w->pictureBox()->size());
                QTest::mouseClick(w->region(clicked), Qt::LeftButton);
                QCOMPARE(host.lastRight, clicked == right);
                QCOMPARE(host.lastCategory, task.category);
            }
        }
    }

    // Keys alone: the arrows move the highlight over the regions shown, Enter
    // or Space chooses; every window, the right and a wrong region.
    void arrowsAndEnterAnswer_data() {
        QTest::addColumn<int>("square");
        QTest::addColumn<int>("chooseKey");
        for (int s = 1; s <= 32; ++s)
            if (singleChoiceRow(taskOfSquare(s)->windowNumber)) {
                const QString name = taskOfSquare(s)->windowName();
                QTest::newRow(qPrintable(name + " Enter")) << s << int(Qt::Key_Return);
                QTest::newRow(qPrintable(name + " Space")) << s << int(Qt::Key_Space);
            }
    }
    void arrowsAndEnterAnswer() {
        QFETCH(int, square);
        QFETCH(int, chooseKey);
        const TaskSquare& task = *taskOfSquare(square);
        const SingleChoiceRow& row = *singleChoiceRow(task.windowNumber);
        TestContext t(choiceCatalog());
        constexpr int kPicture = 3;
        const int right = row.answers[kPicture - 1];
        int shown = 0;
        for (int i = 1; i <= row.regionCount; ++i)
            shown += regionVisible(row, i, kPicture) ? 1 : 0;
        for (bool chooseRight : {true, false}) {
            t.programFolder.write(QStringLiteral("Temp/%1.$$$").arg(task.windowNumber), QByteArray());
            FakeHost host;
            std::unique_ptr<SingleChoiceWindow> w(openWithPicture(t, host, square, kPicture));
            QTest::keyClick(w.get(), Qt::Key(chooseKey));
            QCOMPARE(host.answerCount, 0); // nothing highlighted yet
            // One round with Right visits every region shown once, each highlighted in sight.
            QList<int> visited;
            for (int step = 0; step < shown; ++step) {
                QTest::keyClick(w.get(), Qt::Key_Right);
                const int h = w->highlightedRegion();
                QVERIFY(w->region(h)->isVisible());
                QCOMPARE(w->region(h)->grab().toImage().pixelColor(1, w->region(h)->height() / 2),
                         QColor(kFocusRingColour));
                visited << h;
            }
            QCOMPARE(QSet<int>(visited.begin(), visited.end()).size(), shown);
            QTest::keyClick(w.get(), Qt::Key_Right);
            QCOMPARE(w->highlightedRegion(), visited.first()); // round again
            QTest::keyClick(w.get(), Qt::Key_Left);
            QCOMPARE(w->highlightedRegion(), visited.last());
            const int target =
                chooseRight ? right : (visited.first() == right ? visited.last() : visited.first());
            while (w->highlightedRegion() != target)
                QTest::keyClick(w.get(), Qt::Key_Down);
            QTest::keyClick(w.get(), Qt::Key(chooseKey));
            QCOMPARE(host.answerCount, 1);
            QCOMPARE(host.lastRight, chooseRight);
        }
    }

    void kletka4SwapsRegions4And5() {
        TestContext t(choiceCatalog());
        FakeHost host;
        std::unique_ptr<SingleChoiceWindow> first(openWithPicture(t, host, 4, 1));
        QVERIFY(!first->region(4)->isVisible());
        QVERIFY(first->region(5)->isVisible());
        QTest::mouseClick(first->pictureBox(), Qt::LeftButton, {}, first->region(4)->geometry().center());
        QCOMPARE(host.answerCount, 0);
        QTest::mouseClick(first->region(5), Qt::LeftButton);
        QCOMPARE(host.answerCount, 1);
        QVERIFY(!host.lastRight);

        FakeHost host3;
        std::unique_ptr<SingleChoiceWindow> third(openWithPicture(t, host3, 4, 3));
        QVERIFY(third->region(4)->isVisible());
        QVERIFY(!third->region(5)->isVisible());
    }

    void clickOutsideRegionsAndCloseBoxDoNothing() {
        TestContext t(choiceCatalog());
        FakeHost host;
        std::unique_ptr<SingleChoiceWindow> w(openWithPicture(t, host, 1, 3));
        QTest::mouseClick(w->pictureBox(), Qt::LeftButton, {}, QPoint(20, 20)); // the main object
        QTest::mouseClick(w->instructionLabel(), Qt::LeftButton);
        QVERIFY(!w->close());
        QVERIFY(w->isVisible());
        QVERIFY(host.calls.isEmpty());
    }

    // Kletka2 writes its file only at the reset and the close; the others also
    // right after the draw.
    void usedPictureFileWrites_data() {
        QTest::addColumn<int>("square");
        QTest::addColumn<int>("bytesAfterLoad");
        QTest::newRow("Kletka2") << 1 << 0;
        QTest::newRow("kletka7") << 2 << 44;
    }
    void usedPictureFileWrites() {
        QFETCH(int, square);
        QFETCH(int, bytesAfterLoad);
        TestContext t(choiceCatalog());
        FakeHost host;
        const int n = taskOfSquare(square)->windowNumber;
        const QString file = QStringLiteral("Temp/%1.$$$").arg(n);
        std::unique_ptr<SingleChoiceWindow> w(openWithPicture(t, host, square, 6));
        QCOMPARE(t.programFolder.read(file).size(), bytesAfterLoad);
        const int right = singleChoiceRow(n)->answers[5];
        QTest::mouseClick(w->region(right), Qt::LeftButton);
        const QByteArray record = t.programFolder.read(file);
        QCOMPARE(record.size(), 44);
        QCOMPARE(record.mid(10, 2), QByteArray("\xff\xff"));
        QCOMPARE(record.mid(32, 2), QByteArray("\xff\xff"));
    }

    // With every picture shown, only the wrongly answered ones come back.
    void afterAllShownOnlyWrongOnesReturn() {
        TestContext t(choiceCatalog());
        QByteArray record(44, '\xff');
        record[22 + 2 * 8] = 0; // picture 9 was answered wrongly
        record[22 + 2 * 8 + 1] = 0;
        t.programFolder.write(QStringLiteral("Temp/17.$$$"), record);
        FakeHost host;
        // Draws of 1, 5 and 11 are refused (still shown); 9 comes.
        t.rnd.push({ScriptedRnd::forDraw(1, 10, 1), ScriptedRnd::forDraw(5, 10, 1),
                    ScriptedRnd::forDraw(11, 10, 1), ScriptedRnd::forDraw(9, 10, 1)});
        std::unique_ptr<SingleChoiceWindow> w(
            static_cast<SingleChoiceWindow*>(t.catalog.open(3, t.ctx, host)));
        QCOMPARE(w->currentPicture(), 9);
        QCOMPARE(t.rnd.remaining(), 0);
        w->setAttribute(Qt::WA_DeleteOnClose, false);
    }
};
ZORNA_TEST_CLASS(SingleChoiceWindowTest)

#include "single_choice_window_test.moc"
