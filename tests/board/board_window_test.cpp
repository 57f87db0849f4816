#include "board/board_support.h"
#include "support/test_registry.h"

#include <QDir>
#include <QFileInfo>
#include <QMenuBar>
#include <QTest>

using namespace zorna;
using namespace zorna::test;

namespace {
const Message kNotAvailable{QStringLiteral("Повідомлення"), QStringLiteral("Завдання №1 поки що недоступне."),
                            MsgIcon::Information, MsgButtons::Ok};
} // namespace

class BoardWindowTest : public QObject {
    Q_OBJECT
private slots:
    void newTwoPlayerGame() {
        TestContext tc(fakeCatalog());
        tc.programFolder.write(QStringLiteral("Temp/2.$$$"), QByteArray(44, '\0'));
        FakeRegistration reg;
        BoardUnderTest board(tc, reg);
        QCOMPARE(board->windowTitle(), QStringLiteral("Розвивальна гра \"Тимбрала\""));
        QCOMPARE(board->centralWidget()->size(), QSize(785, 258));
        QVERIFY(board->isSaved());
        QVERIFY(!board->knopSave()->isEnabled());
        QVERIFY(board->knopStart()->isEnabled());
        QVERIFY(board->winNameGr()->isHidden());
        QVERIFY(board->knopDali()->isHidden());
        QCOMPARE(board->phishka(1)->pos(), QPoint(27, 8));
        QCOMPARE(board->phishka(2)->pos(), QPoint(27, 21));
        QVERIFY(!board->phishka(1)->isHidden());
        QVERIFY(!board->phishka(2)->isHidden());
        QVERIFY(board->phishka(3)->isHidden());
        QCOMPARE(board->players()[0].square(), 1);
        QCOMPARE(board->players()[1].square(), 1);
        QVERIFY(!board->phishka(1)->picture().isNull());
        // A new game starts without the pictures of an earlier one.
        QVERIFY(!tc.programFolder.exists(QStringLiteral("Temp/2.$$$")));
        QVERIFY(tc.programFolder.exists(QStringLiteral("Temp")));
        QCOMPARE(board->menuAbout()->text(), QStringLiteral("F1 - про програму"));
        QCOMPARE(board->menuStat()->text(), QStringLiteral("F2 - статистика"));
        QCOMPARE(board->knopDali()->toolTip(), QStringLiteral("Вивести завдання для вказаного гравця"));
    }

    void startShowsFirstPlayer() {
        TestContext tc(fakeCatalog());
        FakeRegistration reg;
        reg.names[0] = QStringLiteral("  Оля ");
        BoardUnderTest board(tc, reg);
        board->knopStart_Click();
        QVERIFY(!board->knopStart()->isEnabled());
        QVERIFY(!board->knopDali()->isHidden());
        QVERIFY(!board->winNameGr()->isHidden());
        QVERIFY(board->knopSave()->isEnabled());
        QVERIFY(!board->isSaved());
        QCOMPARE(board->numGr, 1);
        // The name as typed, on the player's colour.
        QCOMPARE(board->winNameGr()->text(), QStringLiteral("  Оля "));
        QVERIFY(board->winNameGr()->styleSheet().contains(QStringLiteral("rgb(0, 192, 192)")));
    }

    void solvedTaskMovesChipAndPassesTurn() {
        TestContext tc(fakeCatalog());
        FakeRegistration reg;
        BoardUnderTest board(tc, reg);
        board->knopStart_Click();
        FakeTask* task = openTask(*board.board);
        QVERIFY(task && task->loaded);
        QVERIFY(task->isVisible());
        QVERIFY(!board->isEnabled());
        QCOMPARE(task->windowTitle(), QStringLiteral("Завдання №1"));
        task->solve(true);
        settle();
        QVERIFY(board->isEnabled());
        // The window's category (4 for square 1) reached the board before krok counted it.
        QCOMPARE(board->stats().at(1, 4, 1), qint16(1));
        QCOMPARE(board->players()[0].square(), 2);
        QVERIFY(board->isMoving());
        QVERIFY(!board->knopDali()->isEnabled());
        QVERIFY(!board->knopSave()->isEnabled());
        QCOMPARE(board->chipPicture(1), 1);
        tc.clock.advance(1200);
        QCOMPARE(board->phishka(1)->pos(), QPoint(27 + 36, 8));
        tc.clock.advance(1200); // 24 steps of 3 pixels
        QCOMPARE(board->phishka(1)->pos(), QPoint(99, 8));
        QVERIFY(board->isMoving());
        QCOMPARE(board->numGr, 1);
        tc.clock.advance(100); // the 25th tick ends the move
        QVERIFY(!board->isMoving());
        QCOMPARE(board->numGr, 2);
        QCOMPARE(board->winNameGr()->text(), QStringLiteral("Петро"));
        QVERIFY(board->winNameGr()->styleSheet().contains(QStringLiteral("rgb(255, 0, 0)")));
        QVERIFY(board->knopDali()->isEnabled());
        QVERIFY(board->knopSave()->isEnabled());
        QCOMPARE(tc.clock.enabledTimerCount(), 0);
    }

    void failedTaskOnOrdinarySquarePassesAtOnce() {
        TestContext tc(fakeCatalog());
        FakeRegistration reg;
        BoardUnderTest board(tc, reg);
        board->knopStart_Click();
        openTask(*board.board)->solve(false);
        settle();
        QVERIFY(!board->isMoving());
        QCOMPARE(board->players()[0].square(), 1);
        QCOMPARE(board->stats().at(1, 4, 2), qint16(1));
        QCOMPARE(board->numGr, 2);
        QCOMPARE(board->winNameGr()->text(), QStringLiteral("Петро"));
        QVERIFY(board->knopDali()->isEnabled());
    }

    // Moves on the special squares, starting from a restored game.
    void specialSquares_data() {
        QTest::addColumn<int>("square");
        QTest::addColumn<bool>("solved");
        QTest::addColumn<int>("newSquare");
        QTest::addColumn<int>("picture"); // while moving
        QTest::addColumn<int>("resting");
        QTest::newRow("ladder down") << 10 << true << 13 << 2 << 3;
        QTest::newRow("past the ladder") << 10 << false << 11 << 1 << 1;
        QTest::newRow("plank down") << 21 << true << 24 << 2 << 1;
        QTest::newRow("past the plank") << 21 << false << 22 << 3 << 3;
        QTest::newRow("slide back from 13") << 13 << false << 10 << 4 << 1;
        QTest::newRow("slide back from 24") << 24 << false << 21 << 4 << 3;
        QTest::newRow("on from 13") << 13 << true << 14 << 3 << 3;
        QTest::newRow("down to the last lane") << 22 << true << 23 << 2 << 1;
        QTest::newRow("down to the middle lane") << 11 << true << 12 << 2 << 3;
    }
    void specialSquares() {
        QFETCH(int, square);
        QFETCH(bool, solved);
        QFETCH(int, newSquare);
        QFETCH(int, picture);
        QFETCH(int, resting);
        TestContext tc(fakeCatalog());
        saveFixture(tc, QStringLiteral("1"), 2, {square, 1}, 1);
        FakeRegistration reg;
        openSaved(tc, reg, QStringLiteral("1"));
        BoardUnderTest board(tc, reg);
        openTask(*board.board)->solve(solved);
        settle();
        QCOMPARE(board->players()[0].square(), newSquare);
        QCOMPARE(board->chipPicture(1), picture);
        tc.clock.advance(2500);
        QCOMPARE(board->phishka(1)->pos(), chipPosition(1, newSquare));
        QCOMPARE(board->chipPicture(1), resting);
        QCOMPARE(board->numGr, 2);
    }

    void slideBackOnlyOnceUntilSolved() {
        TestContext tc(fakeCatalog());
        saveFixture(tc, QStringLiteral("1"), 2, {13, 1}, 1);
        FakeRegistration reg;
        openSaved(tc, reg, QStringLiteral("1"));
        BoardUnderTest board(tc, reg);
        play(tc, *board.board, false); // 13 -> 10
        QCOMPARE(board->players()[0].square(), 10);
        QVERIFY(board->slideBack(1));
        play(tc, *board.board, false); // player 2
        play(tc, *board.board, true);  // 10 -> 13 down the ladder
        QCOMPARE(board->players()[0].square(), 13);
        play(tc, *board.board, false);
        play(tc, *board.board, false); // fails on 13 again: stays
        QCOMPARE(board->players()[0].square(), 13);
        QCOMPARE(board->numGr, 2);
        QVERIFY(board->knopDali()->isEnabled());
        play(tc, *board.board, false);
        play(tc, *board.board, true); // solved on 13: the flag is cleared
        QCOMPARE(board->players()[0].square(), 14);
        QVERIFY(!board->slideBack(1));
    }

    void finishedPlayersLeaveTheTurnOrder() {
        TestContext tc(fakeCatalog());
        saveFixture(tc, QStringLiteral("1"), 3, {5, 32, 5}, 2);
        FakeRegistration reg;
        reg.count = 3;
        openSaved(tc, reg, QStringLiteral("1"));
        BoardUnderTest board(tc, reg);
        QCOMPARE(board->numGr, 2);
        play(tc, *board.board, true); // player 2 reaches 33
        QVERIFY(board->finished(2));
        QVERIFY(board->finishWindow());
        board->finishWindow()->close();
        settle();
        QCOMPARE(board->numGr, 3);
        play(tc, *board.board, false);
        QCOMPARE(board->numGr, 1);
        play(tc, *board.board, false);
        QCOMPARE(board->numGr, 3);
        play(tc, *board.board, false);
        QCOMPARE(board->numGr, 1);
    }

    void everyDaliMarksTheGameUnsaved() {
        TestContext tc(fakeCatalog());
        saveFixture(tc, QStringLiteral("1"), 2, {5, 5}, 1);
        FakeRegistration reg;
        openSaved(tc, reg, QStringLiteral("1"));
        BoardUnderTest board(tc, reg);
        QVERIFY(board->isSaved());
        FakeTask* task = openTask(*board.board);
        QVERIFY(!board->isSaved());
        task->solve(false);
        settle();
        QVERIFY(!board->isSaved());
    }

    void missingTaskWindowIsReportedNotPlayed() {
        TestContext tc(fakeCatalog({2, 3}));
        FakeRegistration reg;
        BoardUnderTest board(tc, reg);
        board->knopStart_Click();
        board->KnopDali_Click();
        QCOMPARE(tc.dialogs.asked(), QList<Message>{kNotAvailable});
        QVERIFY(!board->taskWindow());
        QVERIFY(board->isEnabled());
        QCOMPARE(board->numGr, 1);
        QCOMPARE(board->players()[0].square(), 1);
        QCOMPARE(board->stats(), StatTable());
        QVERIFY(board->knopDali()->isEnabled());
    }

    void unansweredTaskKeepsBoardDisabled() {
        TestContext tc(fakeCatalog());
        FakeRegistration reg;
        BoardUnderTest board(tc, reg);
        board->knopStart_Click();
        FakeTask* task = openTask(*board.board);
        QVERIFY(!task->close());
        QVERIFY(!board->isEnabled());
        // Nor can the board be closed under the open task.
        QVERIFY(!board->close());
        QVERIFY(tc.dialogs.asked().isEmpty());
        QCOMPARE(reg.returned, 0);
        task->solve(true);
        settle();
        QVERIFY(board->isEnabled());
    }

    void functionKeysFromAnyControl_data() {
        QTest::addColumn<QString>("control");
        QTest::newRow("window") << QString();
        QTest::newRow("Start") << QStringLiteral("knopStart");
        QTest::newRow("Exit") << QStringLiteral("KnopEnd");
        QTest::newRow("map") << QStringLiteral("map");
    }
    void functionKeysFromAnyControl() {
        QFETCH(QString, control);
        TestContext tc(fakeCatalog());
        FakeRegistration reg;
        BoardUnderTest board(tc, reg);
        QWidget* target = control.isEmpty() ? board.board.data() : board->findChild<QWidget*>(control);
        QVERIFY(target);
        QTest::keyClick(target, Qt::Key_F1);
        QCOMPARE(tc.help.opened, QStringList{tc.ctx.folder.helpPage()});
        QVERIFY(tc.help.opened.first().endsWith(QStringLiteral("help/help.htm")));
        QTest::keyClick(target, Qt::Key_F2);
        QVERIFY(board->statisticsWindow());
        QVERIFY(board->statisticsWindow()->isVisible());
        QVERIFY(!board->isEnabled());
        // A disabled board takes no keys.
        QTest::keyClick(board.board.data(), Qt::Key_F1);
        QCOMPARE(tc.help.opened.size(), 1);
        board->statisticsWindow()->close();
        settle();
        QVERIFY(board->isEnabled());
    }

    void menuItems() {
        TestContext tc(fakeCatalog());
        FakeRegistration reg;
        BoardUnderTest board(tc, reg);
        board->menuAbout()->trigger();
        QCOMPARE(tc.help.opened.size(), 1);
        board->menuStat()->trigger();
        QVERIFY(board->statisticsWindow());
        QVERIFY(!board->isEnabled());
        board->statisticsWindow()->close();
        settle();
        QVERIFY(board->isEnabled());
    }

    void loadImage_data() {
        QTest::addColumn<int>("square");
        QTest::addColumn<int>("picture");
        QTest::newRow("12") << 12 << 3;
        QTest::newRow("22") << 22 << 3;
        QTest::newRow("11") << 11 << 1;
        QTest::newRow("23") << 23 << 1;
        QTest::newRow("33") << 33 << 1;
        QTest::newRow("0 leaves it") << 0 << 4;
    }
    void loadImage() {
        QFETCH(int, square);
        QFETCH(int, picture);
        TestContext tc(fakeCatalog());
        FakeRegistration reg;
        BoardUnderTest board(tc, reg);
        board->ruhPhish(27, 21, 27, 0); // an upward move shows picture 4
        QCOMPARE(board->chipPicture(1), 4);
        const QImage moving = board->phishka(1)->picture().toImage();
        board->LoadImage(1, square);
        QCOMPARE(board->chipPicture(1), picture);
        const QImage expected =
            QPixmap(tc.ctx.folder.path(QStringLiteral("guk1%1.gif").arg(picture))).toImage();
        QCOMPARE(board->phishka(1)->picture().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
                 expected.convertToFormat(QImage::Format_ARGB32_Premultiplied));
        if (square == 0)
            QCOMPARE(board->phishka(1)->picture().toImage(), moving);
    }

    void installedChipsAndHelpPage() {
        TestContext tc;
        for (int p = 1; p <= 3; ++p) {
            for (int d = 1; d <= 4; ++d) {
                const QImage chip(tc.ctx.folder.path(QStringLiteral("guk%1%2.gif").arg(p).arg(d)));
                QCOMPARE(chip.size(), QSize(21, 16));
                QCOMPARE(qAlpha(chip.pixel(0, 0)), 0);
                QCOMPARE(qAlpha(chip.pixel(10, 8)), 255);
            }
        }
        const QImage map(tc.ctx.folder.path(QStringLiteral("map.png")));
        QCOMPARE(map.size(), QSize(785, 453));
        QCOMPARE(map.pixelColor(400, 300), QColor(Qt::white));
        QCOMPARE(QImage(tc.ctx.folder.path(QStringLiteral("open.bmp"))).isNull(), false);
        QCOMPARE(QImage(tc.ctx.folder.path(QStringLiteral("new.bmp"))).isNull(), false);
        const std::optional<QByteArray> help = readProgramFile(tc.ctx.folder.helpPage());
        QVERIFY(help);
        const QString page = QString::fromUtf8(*help);
        QVERIFY(page.contains(QStringLiteral("<meta charset=\"utf-8\">")));
        for (const QString& word :
             {QStringLiteral("F1"), QStringLiteral("F2"), QStringLiteral("драбин"), QStringLiteral("місток"),
              QStringLiteral("13"), QStringLiteral("24"), QStringLiteral("33"), QStringLiteral("Реєстрація"),
              QStringLiteral("зберіга"), QStringLiteral("Розвивальна гра \"Тимбрала\""),
              QStringLiteral("ліворуч унизу"), QStringLiteral("<kbd>Enter</kbd>"),
              QStringLiteral("<kbd>V</kbd>"), QStringLiteral("<kbd>M</kbd>")})
            QVERIFY2(page.contains(word), qPrintable(word));
        for (const QString& title : StatisticsWindow::categoryTitles())
            QVERIFY2(page.contains(title), qPrintable(title));
        // The picture of the board the page shows, at the size the page gives it.
        QVERIFY(page.contains(QStringLiteral("<img src=\"board.png\" width=\"785\" height=\"330\"")));
        const QImage picture(QFileInfo(tc.ctx.folder.helpPage()).dir().filePath(QStringLiteral("board.png")));
        QCOMPARE(picture.size(), QSize(785, 330));
    }
};

ZORNA_TEST_CLASS(BoardWindowTest)
#include "board_window_test.moc"
