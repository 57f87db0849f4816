#include "support/test_context.h"
#include "support/test_registry.h"
#include "tasks/common/answer_region.h"
#include "tasks/common/click_label.h"
#include "tasks/common/done_button.h"
#include "tasks/common/drag_helper.h"
#include "tasks/common/picture_box.h"
#include "tasks/common/task_registry.h"
#include "tasks/common/task_window.h"

#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace zorna;
using zorna::test::FakeHost;
using zorna::test::TestContext;

namespace {

// A minimal task: a picture deck of 11, a done button that answers right, one
// region that answers wrong, and a timer to show that closing stops it.
class ProbeTask : public TaskWindow {
public:
    ProbeTask(AppContext& c, TaskHost& h, const TaskSquare& t) : TaskWindow(c, h, t) {
        useDeck(11);
        done = new DoneButton(ctx_.folder, this);
        done->move(200, 10);
        connect(done, &DoneButton::clicked, this, [this] { answer(true); });
        region = new AnswerRegion(1, ctx_.folder, this);
        region->setGeometry(10, 10, 100, 100);
        connect(region, &AnswerRegion::clicked, this, [this] { answer(false); });
        ticker = &addTimer(100, [this] { ++ticks; });
        resize(300, 200);
    }
    void load() override {
        setBusy(true);
        picture = loadAndDrawPicture();
        ticker->start();
    }
    DoneButton* done;
    AnswerRegion* region;
    Timer* ticker;
    int ticks = 0;
    int picture = 0;
};

TaskWindow* openProbe(AppContext& c, TaskHost& h, const TaskSquare& t) {
    return new ProbeTask(c, h, t);
}

// The probe in the catalog as window 7 (square 2), with the context and board
// double it opens on.
struct ProbeFixture {
    ProbeFixture() { t.catalog.add(7, openProbe); }
    // Opens the probe; `picture` is the deck's draw, none scripted when 0.
    ProbeTask* open(int picture = 0) {
        if (picture != 0)
            t.rnd.push(ScriptedRnd::forDraw(picture, 10, 1));
        return static_cast<ProbeTask*>(t.catalog.open(2, t.ctx, host));
    }
    // The probe's used-picture record as it is on disk.
    QByteArray record() const { return t.programFolder.read(QStringLiteral("Temp/7.$$$")); }

    TestContext t;
    FakeHost host;
};

} // namespace

class TaskWindowTest : public QObject {
    Q_OBJECT
private slots:
    void handsBackInTheFixedOrder() {
        ProbeFixture f;
        QPointer<ProbeTask> w = f.open(3);
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("Завдання №2"));
        w->show();
        QTest::mouseClick(w->done, Qt::LeftButton);
        QCOMPARE(f.host.calls, zorna::test::handBack(true, 3));
        QVERIFY(f.host.lastRight);
        QCOMPARE(f.host.lastCategory, 3);
        zorna::test::settle();
        QVERIFY(w.isNull());
    }

    void closeBoxIsRefusedWhileBusy() {
        ProbeFixture f;
        QPointer<ProbeTask> w = f.open();
        w->show();
        QVERIFY(!w->close());
        zorna::test::settle();
        QVERIFY(w);
        QVERIFY(w->isVisible());
        QCOMPARE(f.host.answerCount, 0);
        QVERIFY(f.host.calls.isEmpty());
        w->setAttribute(Qt::WA_DeleteOnClose, false);
        QTest::mouseClick(w->region, Qt::LeftButton);
        QCOMPARE(f.host.answerCount, 1);
        QVERIFY(!f.host.lastRight);
        delete w;
    }

    void closingStopsTimersAndRecordsTheResult() {
        ProbeFixture f;
        ProbeTask* w = f.open(5);
        w->setAttribute(Qt::WA_DeleteOnClose, false);
        QCOMPARE(w->picture, 5);
        f.t.clock.advance(250);
        QCOMPARE(w->ticks, 2);
        QTest::mouseClick(w->done, Qt::LeftButton);
        QCOMPARE(f.t.clock.enabledTimerCount(), 0);
        const QByteArray record = f.record();
        QCOMPARE(record.size(), 44);
        QCOMPARE(record.mid(8, 2), QByteArray("\xff\xff"));      // shown flag of picture 5
        QCOMPARE(record.mid(22 + 8, 2), QByteArray("\xff\xff")); // solved flag of picture 5
        delete w;
    }

    // The drawn picture is on disk as soon as the window is loaded, before it
    // is shown: a game killed while the window is on the screen remembers it.
    void drawnPictureIsWrittenBeforeTheWindowIsShown() {
        ProbeFixture f;
        std::unique_ptr<TaskWindow> w(f.open(4));
        w->setAttribute(Qt::WA_DeleteOnClose, false);
        QVERIFY(!w->isVisible());
        const QByteArray record = f.record();
        QCOMPARE(record.size(), 44);
        QCOMPARE(record.mid(6, 2), QByteArray("\xff\xff")); // shown flag of picture 4
    }

    void unknownSquareOpensNothing() {
        TestContext t;
        FakeHost host;
        QVERIFY(!t.catalog.has(2));
        QVERIFY(!t.catalog.open(2, t.ctx, host));
        QVERIFY(!t.catalog.open(33, t.ctx, host));
    }

    void dispatchTableCoversEverySquareOnce() {
        QSet<int> windows;
        for (int s = 1; s <= 32; ++s) {
            const TaskSquare* task = taskOfSquare(s);
            QVERIFY(task);
            QCOMPARE(task->square, s);
            windows.insert(task->windowNumber);
            QVERIFY(task->category >= 1 && task->category <= 7);
        }
        QCOMPARE(windows.size(), 32);
        QCOMPARE(taskOfSquare(1)->windowName(), QStringLiteral("Kletka2"));
        QCOMPARE(taskOfSquare(3)->windowName(), QStringLiteral("kletka17"));
        QVERIFY(!taskOfSquare(33));
    }
};
ZORNA_TEST_CLASS(TaskWindowTest)

class ControlsTest : public QObject {
    Q_OBJECT
private slots:
    void regionSwapsCursorFilesOnPressAndRelease() {
        TestContext t;
        QWidget window;
        AnswerRegion region(2, t.ctx.folder, &window);
        region.setGeometry(0, 0, 50, 50);
        window.show();
        QSignalSpy clicks(&region, &AnswerRegion::clicked);
        QCOMPARE(region.cursor().hotSpot(), QPoint(12, 1));
        QTest::mousePress(&region, Qt::LeftButton, {}, QPoint(5, 5));
        const QImage pressed = region.cursor().pixmap().toImage();
        QTest::mouseRelease(&region, Qt::LeftButton, {}, QPoint(5, 5));
        const QImage released = region.cursor().pixmap().toImage();
        QVERIFY(pressed != released);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(clicks.first().first().toInt(), 2);
        // Released outside the region: no click.
        QTest::mousePress(&region, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(&region, Qt::LeftButton, {}, QPoint(80, 5));
        QCOMPARE(clicks.count(), 1);
    }

    // A click is a left-button press and release; a press (MouseDown) reacts
    // to every button.
    void clicksAndPressesByButton_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<int>("clicks");
        for (const char* control : {"done button", "answer region", "picture box", "click label"}) {
            QTest::addRow("%s, left", control) << QString::fromLatin1(control) << Qt::LeftButton << 1;
            QTest::addRow("%s, right", control) << QString::fromLatin1(control) << Qt::RightButton << 0;
            QTest::addRow("%s, middle", control) << QString::fromLatin1(control) << Qt::MiddleButton << 0;
        }
    }
    void clicksAndPressesByButton() {
        QFETCH(QString, control);
        QFETCH(Qt::MouseButton, button);
        QFETCH(int, clicks);
        TestContext t;
        QWidget window;
        window.resize(200, 200);
        QWidget* w = nullptr;
        std::unique_ptr<QSignalSpy> clicked;
        std::unique_ptr<QSignalSpy> pressed;
        if (control == QLatin1String("done button")) {
            auto* c = new DoneButton(t.ctx.folder, &window);
            clicked = std::make_unique<QSignalSpy>(c, &DoneButton::clicked);
            w = c;
        } else if (control == QLatin1String("answer region")) {
            auto* c = new AnswerRegion(1, t.ctx.folder, &window);
            c->resize(60, 60);
            clicked = std::make_unique<QSignalSpy>(c, &AnswerRegion::clicked);
            pressed = std::make_unique<QSignalSpy>(c, &AnswerRegion::pressed);
            w = c;
        } else if (control == QLatin1String("picture box")) {
            auto* c = new PictureBox(&window);
            c->resize(60, 60);
            clicked = std::make_unique<QSignalSpy>(c, &PictureBox::clicked);
            pressed = std::make_unique<QSignalSpy>(c, &PictureBox::pressed);
            w = c;
        } else {
            auto* c = new ClickLabel(1, &window);
            c->resize(60, 60);
            clicked = std::make_unique<QSignalSpy>(c, &ClickLabel::clicked);
            w = c;
        }
        window.show();
        QTest::mouseClick(w, button, {}, QPoint(20, 20));
        QCOMPARE(clicked->count(), clicks);
        if (pressed)
            QCOMPARE(pressed->count(), 1);
        if (button == Qt::LeftButton)
            return;
        // The other button released after a left press is no click either.
        QTest::mousePress(w, Qt::LeftButton, {}, QPoint(20, 20));
        QTest::mouseRelease(w, button, {}, QPoint(20, 20));
        QCOMPARE(clicked->count(), 0);
    }

    // A picture box draws the file it was given last in its first frame, from
    // its top-left corner, whether it was read at once or ahead; a transparent
    // one lets the window show around it.
    void pictureBoxDrawsItsFileInItsFirstFrame() {
        QTemporaryDir dir;
        QStringList files;
        for (const QColor colour : {QColor(Qt::blue), QColor(Qt::green)}) {
            QImage image(30, 20, QImage::Format_RGB32);
            image.fill(colour);
            files.append(dir.filePath(QStringLiteral("%1.png").arg(files.size() + 1)));
            QVERIFY(image.save(files.last(), "PNG"));
        }
        QWidget window;
        window.resize(100, 100);
        QPalette red;
        red.setColor(QPalette::Window, Qt::red);
        window.setPalette(red);
        window.setAutoFillBackground(true);
        auto* box = new PictureBox(&window, Qt::transparent);
        box->setGeometry(10, 10, 50, 40);
        box->showPictureReadAhead(files.at(0));
        box->showPicture(files.at(1));
        const QImage frame = window.grab().toImage();
        QCOMPARE(frame.pixelColor(10, 10), QColor(Qt::green));
        QCOMPARE(frame.pixelColor(39, 29), QColor(Qt::green));
        QCOMPARE(frame.pixelColor(40, 29), QColor(Qt::red));
        QCOMPARE(frame.pixelColor(39, 30), QColor(Qt::red));
        QCOMPARE(box->picturePath(), files.at(1));
        QCOMPARE(box->picture().size(), QSize(30, 20));

        box->showPictureReadAhead(files.at(0));
        QCOMPARE(window.grab().toImage().pixelColor(39, 29), QColor(Qt::blue));
        QCOMPARE(box->picturePath(), files.at(0));
    }

    void dragDeliversSourceTargetAndPoint() {
        QWidget window;
        window.resize(400, 300);
        auto* frame = new QLabel(&window);
        frame->setGeometry(10, 200, 60, 40);
        auto* slot = new QLabel(&window);
        slot->setGeometry(200, 20, 100, 80);
        DragHelper drag(&window);
        drag.makeDraggable(frame);
        QList<DragHelper::Drop> drops;
        drag.onDrop([&](const DragHelper::Drop& d) { drops.append(d); });
        window.show();

        QTest::mousePress(frame, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(drag.dragging());
        QVERIFY(drag.outline()->isVisible());
        QCOMPARE(drag.outline()->size(), frame->size());
        QTest::mouseMove(frame, QPoint(200, -150));
        QCOMPARE(drag.outline()->pos(), QPoint(10 + 200 - 5, 200 - 150 - 5));
        QTest::mouseRelease(frame, Qt::LeftButton, {}, QPoint(200, -150));
        QVERIFY(!drag.dragging());
        QVERIFY(!drag.outline()->isVisible());
        QCOMPARE(drops.size(), 1);
        QCOMPARE(drops[0].source, frame);
        QCOMPARE(drops[0].target, slot);
        QCOMPARE(drops[0].pos, QPoint(10, 30));
        QCOMPARE(drops[0].windowPos, QPoint(210, 50));

        // Dropped on empty space: the window itself is the target.
        QTest::mousePress(frame, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(frame, Qt::LeftButton, {}, QPoint(300, 0));
        QCOMPARE(drops.size(), 2);
        QCOMPARE(drops[1].target, &window);

        // A control that may no longer be dragged starts nothing.
        drag.makeDraggable(frame, false);
        QTest::mousePress(frame, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!drag.dragging());
        QTest::mouseRelease(frame, Qt::LeftButton, {}, QPoint(200, -150));
        QCOMPARE(drops.size(), 2);
    }
};
ZORNA_TEST_CLASS(ControlsTest)

#include "task_window_test.moc"
