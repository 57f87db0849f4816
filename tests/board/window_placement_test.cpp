// Windows open where the player looks: the registration window and the board
// in the middle of the screen, every window the board opens over the board.
#include "board/board_support.h"
#include "registration/registration_window.h"
#include "support/test_registry.h"

#include <QLineEdit>
#include <QScreen>

using namespace zorna;
using namespace zorna::test;

namespace {

QRect screenArea(const QWidget* w) {
    return w->screen()->availableGeometry();
}

// Centred to the pixel, give or take the frame, which is known only once the
// window is shown.
bool centredOn(const QWidget* w, QPoint centre) {
    const QPoint d = w->frameGeometry().center() - centre;
    const QSize frame = w->frameGeometry().size() - w->size();
    return std::abs(d.x()) <= 1 + frame.width() && std::abs(d.y()) <= 1 + frame.height();
}

QByteArray where(const QWidget* w) {
    const QRect r = w->frameGeometry();
    return QStringLiteral("%1 at %2,%3 size %4x%5")
        .arg(w->objectName())
        .arg(r.x())
        .arg(r.y())
        .arg(r.width())
        .arg(r.height())
        .toUtf8();
}

enum class Opened { Task, Statistics, Finish };
enum class BoardAt { Middle, TopLeft, PastBottomRight };

} // namespace

Q_DECLARE_METATYPE(Opened)
Q_DECLARE_METATYPE(BoardAt)

class WindowPlacementTest : public QObject {
    Q_OBJECT
private slots:
    void windowsOpenOverTheBoard_data() {
        QTest::addColumn<Opened>("opened");
        QTest::addColumn<BoardAt>("boardAt");
        const struct {
            const char* name;
            Opened opened;
        } windows[] = {
            {"task", Opened::Task}, {"statistics", Opened::Statistics}, {"finish", Opened::Finish}};
        const struct {
            const char* name;
            BoardAt at;
        } places[] = {{"board in the middle", BoardAt::Middle},
                      {"board at the top left", BoardAt::TopLeft},
                      {"board past the bottom right", BoardAt::PastBottomRight}};
        for (const auto& w : windows)
            for (const auto& p : places)
                QTest::addRow("%s, %s", w.name, p.name) << w.opened << p.at;
    }

    void windowsOpenOverTheBoard() {
        QFETCH(Opened, opened);
        QFETCH(BoardAt, boardAt);
        TestContext tc(fakeCatalog());
        FakeRegistration reg = restoredGame(tc, 2, {32, 5}, 1);
        BoardUnderTest board(tc, reg);
        board->show();
        const QRect area = screenArea(board.board);
        QRect at(QPoint(0, 0), board->frameGeometry().size());
        at.moveCenter(area.center());
        if (boardAt == BoardAt::TopLeft)
            at.moveTopLeft(area.topLeft());
        else if (boardAt == BoardAt::PastBottomRight)
            at.moveCenter(area.bottomRight());
        board->move(at.topLeft());

        QWidget* window = nullptr;
        switch (opened) {
        case Opened::Task:
            window = openTask(*board.board);
            break;
        case Opened::Statistics:
            board->showStatistics();
            window = board->statisticsWindow();
            break;
        case Opened::Finish:
            openTask(*board.board)->solve(true);
            tc.clock.advance(2500);
            window = board->finishWindow();
            break;
        }
        QVERIFY(window);
        QVERIFY(window->isVisible());
        const QRect frame = window->frameGeometry();
        QVERIFY2(area.contains(frame), where(window));
        QVERIFY2(frame.intersects(board->frameGeometry()), where(window) + " " + where(board.board));
        if (boardAt == BoardAt::Middle)
            QVERIFY2(centredOn(window, board->frameGeometry().center()),
                     where(window) + " " + where(board.board));
        delete window;
        settle();
    }

    void registrationAndBoardStartInTheMiddleOfTheScreen() {
        TestContext tc;
        QPointer<RegistrationWindow> registrationWindow = RegistrationWindow::showFresh(tc.ctx, tc.catalog);
        QVERIFY2(centredOn(registrationWindow, screenArea(registrationWindow).center()),
                 where(registrationWindow));
        registrationWindow->nameBox(1)->setText(QStringLiteral("Оля"));
        registrationWindow->nameBox(2)->setText(QStringLiteral("Петро"));
        registrationWindow->goToBoard();
        QPointer<BoardWindow> board = registrationWindow->board();
        QVERIFY(board);
        QVERIFY(board->isVisible());
        QVERIFY2(centredOn(board, screenArea(board).center()), where(board));
        delete board.data();
        delete registrationWindow.data();
        settle();
    }
};

ZORNA_TEST_CLASS(WindowPlacementTest)
#include "window_placement_test.moc"
