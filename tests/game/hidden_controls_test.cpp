// No control a pupil cannot see takes focus or acts on a key: in every window
// the Tab key visits only controls that are shown, enabled and inside the
// window's client area.
#include "board/board_window.h"
#include "registration/registration_window.h"
#include "stats/finish_window.h"
#include "stats/statistics_window.h"
#include "support/test_context.h"
#include "support/test_registry.h"
#include "tasks/common/task_catalog.h"
#include "tasks/common/task_registry.h"
#include "tasks/common/task_window.h"

#include <QApplication>
#include <QTest>

#include <memory>

using namespace zorna;
using namespace zorna::test;

namespace {

enum class Outside { Registration = -1, Board = -2, BoardStarted = -3, Finish = -4, Statistics = -5 };

// The window of a table row, shown and active: a task window by its square,
// or one of the windows outside the path.
struct ShownWindow {
    explicit ShownWindow(int which) : tc(buildTaskCatalog()) {
        tc.rnd.useSeededFallback(34);
        switch (which) {
        case int(Outside::Registration):
            window.reset(new RegistrationWindow(tc.ctx, tc.catalog));
            break;
        case int(Outside::Board):
        case int(Outside::BoardStarted): {
            auto* board = new BoardWindow(
                tc.ctx, tc.catalog,
                SessionStart{Players{2, {QStringLiteral("Оля"), QStringLiteral("Петро")}}, std::nullopt},
                [] {});
            if (which == int(Outside::BoardStarted))
                board->startGame();
            window.reset(board);
            break;
        }
        case int(Outside::Finish):
            window.reset(new FinishWindow(tc.ctx.folder, [] {}));
            break;
        case int(Outside::Statistics):
            window.reset(new StatisticsWindow([] {}));
            break;
        default:
            window.reset(tc.catalog.open(which, tc.ctx, host));
        }
        window->show();
        QApplication::setActiveWindow(window.get());
    }
    ~ShownWindow() {
        window.reset();
        settle();
    }

    TestContext tc;
    FakeHost host;
    std::unique_ptr<QWidget> window;
};

// Why the focused widget is one a pupil could not see or use; empty when it is fine.
QString unseenReason(QWidget* window, QWidget* focused) {
    if (!focused->isVisible())
        return QStringLiteral("hidden");
    if (!focused->isEnabled())
        return QStringLiteral("disabled");
    const QRect client = window->rect();
    const QRect place(focused->mapTo(window, QPoint(0, 0)), focused->size());
    if (!client.contains(place.center()))
        return QStringLiteral("outside the client area at %1,%2").arg(place.x()).arg(place.y());
    return QString();
}

} // namespace

class HiddenControlsTest : public QObject {
    Q_OBJECT
private slots:
    void tabVisitsOnlyControlsInSight_data() {
        QTest::addColumn<int>("which");
        QTest::newRow("registration") << int(Outside::Registration);
        QTest::newRow("board before the start") << int(Outside::Board);
        QTest::newRow("board in play") << int(Outside::BoardStarted);
        QTest::newRow("finish") << int(Outside::Finish);
        QTest::newRow("statistics") << int(Outside::Statistics);
        for (const TaskEntry& e : registeredTasks())
            QTest::newRow(qPrintable(QStringLiteral("square %1").arg(e.task.square))) << e.task.square;
    }
    void tabVisitsOnlyControlsInSight() {
        QFETCH(int, which);
        ShownWindow shown(which);
        QWidget* window = shown.window.get();
        // Every control Tab can reach is checked, the first focus included.
        int focusable = 0;
        for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain())
            if (w->isWindow() == false && (w->focusPolicy() & Qt::TabFocus) && w->isVisible() &&
                w->isEnabled()) {
                ++focusable;
                const QString reason = unseenReason(window, w);
                QVERIFY2(reason.isEmpty(), qPrintable(w->objectName() + QLatin1Char(' ') + reason));
            }
        for (int step = 0; step < 2 * focusable + 2; ++step) {
            QWidget* focused = QApplication::focusWidget();
            if (!focused || focused == window)
                break;
            const QString reason = unseenReason(window, focused);
            QVERIFY2(reason.isEmpty(), qPrintable(focused->objectName() + QLatin1Char(' ') + reason));
            QTest::keyClick(focused, Qt::Key_Tab);
        }
    }
};

ZORNA_TEST_CLASS(HiddenControlsTest)

#include "hidden_controls_test.moc"
