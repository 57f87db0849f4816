#include "board/board_support.h"
#include "platform/file_system.h"
#include "platform/focus_ring.h"
#include "support/board_messages.h"
#include "support/test_registry.h"

#include <QDir>
#include <QFileInfo>
#include <QMenuBar>
#include <QTest>

using namespace zorna;
using namespace zorna::test;

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
        QVERIFY(board->session().isSaved());
        QVERIFY(!board->saveButton()->isEnabled());
        QVERIFY(board->startButton()->isEnabled());
        QVERIFY(board->turnLabel()->isHidden());
        QVERIFY(board->nextButton()->isHidden());
        QCOMPARE(board->chip(1)->pos(), QPoint(27, 8));
        QCOMPARE(board->chip(2)->pos(), QPoint(27, 21));
        QVERIFY(!board->chip(1)->isHidden());
        QVERIFY(!board->chip(2)->isHidden());
        QVERIFY(board->chip(3)->isHidden());
        QCOMPARE(board->session().game().players()[0].square(), 1);
        QCOMPARE(board->session().game().players()[1].square(), 1);
        QVERIFY(!board->chip(1)->picture().isNull());
        // A new game starts without the pictures of an earlier one.
        QVERIFY(!tc.programFolder.exists(QStringLiteral("Temp/2.$$$")));
        QVERIFY(tc.programFolder.exists(QStringLiteral("Temp")));
        QCOMPARE(board->helpAction()->text(), QStringLiteral("F1 - про програму"));
        QCOMPARE(board->statisticsAction()->text(), QStringLiteral("F2 - статистика"));
        QCOMPARE(board->nextButton()->toolTip(), QStringLiteral("Вивести завдання для вказаного гравця"));
    }

    void startShowsFirstPlayer() {
        TestContext tc(fakeCatalog());
        FakeRegistration reg;
        reg.names[0] = QStringLiteral("  Оля ");
        BoardUnderTest board(tc, reg);
        board->startGame();
        QVERIFY(!board->startButton()->isEnabled());
        QVERIFY(!board->nextButton()->isHidden());
        QVERIFY(!board->turnLabel()->isHidden());
        QVERIFY(board->saveButton()->isEnabled());
        QVERIFY(!board->session().isSaved());
        QCOMPARE(board->session().currentPlayer(), 1);
        // The name as typed, on the player's colour.
        QCOMPARE(board->turnLabel()->text(), QStringLiteral("  Оля "));
        QVERIFY(board->turnLabel()->styleSheet().contains(QStringLiteral("rgb(0, 192, 192)")));
    }

    void solvedTaskMovesChipAndPassesTurn() {
        NewGame g;
        FakeTask* task = openTask(*g.board.board);
        QVERIFY(task && task->loaded);
        QVERIFY(task->isVisible());
        QVERIFY(!g.board->isEnabled());
        QCOMPARE(task->windowTitle(), QStringLiteral("Завдання №1"));
        task->solve(true);
        settle();
        QVERIFY(g.board->isEnabled());
        // The window's category (4 for square 1) reached the board before krok counted it.
        QCOMPARE(g.board->session().stats().at(1, 4, 1), qint16(1));
        QCOMPARE(g.board->session().game().players()[0].square(), 2);
        QVERIFY(g.board->isMoving());
        QVERIFY(!g.board->nextButton()->isEnabled());
        QVERIFY(!g.board->saveButton()->isEnabled());
        QCOMPARE(g.board->chipPicture(1), 1);
        g.tc.clock.advance(1200);
        QCOMPARE(g.board->chip(1)->pos(), QPoint(27 + 36, 8));
        g.tc.clock.advance(1200); // 24 steps of 3 pixels
        QCOMPARE(g.board->chip(1)->pos(), QPoint(99, 8));
        QVERIFY(g.board->isMoving());
        QCOMPARE(g.board->session().currentPlayer(), 1);
        g.tc.clock.advance(100); // the 25th tick ends the move
        QVERIFY(!g.board->isMoving());
        QCOMPARE(g.board->session().currentPlayer(), 2);
        QCOMPARE(g.board->turnLabel()->text(), QStringLiteral("Петро"));
        QVERIFY(g.board->turnLabel()->styleSheet().contains(QStringLiteral("rgb(255, 0, 0)")));
        QVERIFY(g.board->nextButton()->isEnabled());
        QVERIFY(g.board->saveButton()->isEnabled());
        QCOMPARE(g.tc.clock.enabledTimerCount(), 0);
    }

    void failedTaskOnOrdinarySquarePassesAtOnce() {
        NewGame g;
        openTask(*g.board.board)->solve(false);
        settle();
        QVERIFY(!g.board->isMoving());
        QCOMPARE(g.board->session().game().players()[0].square(), 1);
        QCOMPARE(g.board->session().stats().at(1, 4, 2), qint16(1));
        QCOMPARE(g.board->session().currentPlayer(), 2);
        QCOMPARE(g.board->turnLabel()->text(), QStringLiteral("Петро"));
        QVERIFY(g.board->nextButton()->isEnabled());
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
        FakeRegistration reg = restoredGame(tc, 2, {square, 1}, 1);
        BoardUnderTest board(tc, reg);
        openTask(*board.board)->solve(solved);
        settle();
        QCOMPARE(board->session().game().players()[0].square(), newSquare);
        QCOMPARE(board->chipPicture(1), picture);
        tc.clock.advance(2500);
        QCOMPARE(board->chip(1)->pos(), chipPosition(1, newSquare));
        QCOMPARE(board->chipPicture(1), resting);
        QCOMPARE(board->session().currentPlayer(), 2);
    }

    void finishedPlayersLeaveTheTurnOrder() {
        TestContext tc(fakeCatalog());
        FakeRegistration reg = restoredGame(tc, 3, {5, 32, 5}, 2);
        BoardUnderTest board(tc, reg);
        QCOMPARE(board->session().currentPlayer(), 2);
        play(tc, *board.board, true); // player 2 reaches 33
        QVERIFY(board->session().game().finished(2));
        QVERIFY(board->finishWindow());
        QCOMPARE(board->finishWindow()->nameLabel()->text(), QStringLiteral("Петро"));
        board->finishWindow()->close();
        settle();
        // The turn shown is the next player who has not finished.
        QCOMPARE(board->session().currentPlayer(), 3);
        QCOMPARE(board->turnLabel()->text(), QStringLiteral("Іра"));
        QVERIFY(board->nextButton()->isEnabled());
    }

    void lastFinishShowsTheGameIsOver() {
        TestContext tc(fakeCatalog());
        FakeRegistration reg = restoredGame(tc, 2, {32, 32}, 1);
        BoardUnderTest board(tc, reg);
        play(tc, *board.board, true); // player 1 reaches 33
        QCOMPARE(board->turnLabel()->text(), QStringLiteral("Петро"));
        board->finishWindow()->close();
        settle();
        play(tc, *board.board, true); // player 2 reaches 33: nobody is left
        QVERIFY(board->session().game().over());
        QCOMPARE(board->turnLabel()->text(), QStringLiteral("Гру закінчено"));
        QVERIFY(!board->turnLabel()->styleSheet().contains(QStringLiteral("255, 0, 0")));
        QVERIFY(!board->nextButton()->isEnabled());
    }

    void focusedButtonShowsTheRing_data() {
        QTest::addColumn<int>("button");
        QTest::newRow("Далі") << 0;
        QTest::newRow("save") << 1;
        QTest::newRow("Вихід") << 2;
    }
    void focusedButtonShowsTheRing() {
        QFETCH(int, button);
        NewGame g;
        g.board->show();
        QApplication::setActiveWindow(g.board.board);
        QPushButton* b =
            std::array{g.board->nextButton(), g.board->saveButton(), g.board->leaveButton()}[button];
        const QPoint edge(0, b->height() / 2);
        b->clearFocus();
        QVERIFY(b->grab().toImage().pixelColor(edge) != QColor(kFocusRingColour));
        b->setFocus();
        QVERIFY(b->hasFocus());
        QCOMPARE(b->grab().toImage().pixelColor(edge), QColor(kFocusRingColour));
    }

    void everyDaliMarksTheGameUnsaved() {
        TestContext tc(fakeCatalog());
        FakeRegistration reg = restoredGame(tc, 2, {5, 5}, 1);
        BoardUnderTest board(tc, reg);
        QVERIFY(board->session().isSaved());
        FakeTask* task = openTask(*board.board);
        QVERIFY(!board->session().isSaved());
        task->solve(false);
        settle();
        QVERIFY(!board->session().isSaved());
    }

    void missingTaskWindowIsReportedNotPlayed() {
        TestContext tc(fakeCatalog({2, 3}));
        FakeRegistration reg;
        BoardUnderTest board(tc, reg);
        board->startGame();
        board->nextTask();
        QCOMPARE(tc.dialogs.asked(), QList<Message>{kNotAvailable});
        QVERIFY(!board->taskWindow());
        QVERIFY(board->isEnabled());
        QCOMPARE(board->session().currentPlayer(), 1);
        QCOMPARE(board->session().game().players()[0].square(), 1);
        QCOMPARE(board->session().stats(), StatTable());
        QVERIFY(board->nextButton()->isEnabled());
    }

    void unansweredTaskKeepsBoardDisabled() {
        NewGame g;
        FakeTask* task = openTask(*g.board.board);
        QVERIFY(!task->close());
        QVERIFY(!g.board->isEnabled());
        // Nor can the board be closed under the open task.
        QVERIFY(!g.board->close());
        QVERIFY(g.tc.dialogs.asked().isEmpty());
        QCOMPARE(g.reg.returned, 0);
        task->solve(true);
        settle();
        QVERIFY(g.board->isEnabled());
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
        board->helpAction()->trigger();
        QCOMPARE(tc.help.opened.size(), 1);
        board->statisticsAction()->trigger();
        QVERIFY(board->statisticsWindow());
        QVERIFY(!board->isEnabled());
        board->statisticsWindow()->close();
        settle();
        QVERIFY(board->isEnabled());
    }

    // A moving chip shows the picture of its direction; at rest it shows the
    // picture file of its square (the rule itself is tested on the model).
    void chipPictureFiles_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<bool>("solved");
        QTest::addColumn<int>("moving");
        QTest::addColumn<int>("resting");
        QTest::newRow("to 12") << 11 << true << 2 << 3;
        QTest::newRow("to 11 past the ladder") << 10 << false << 1 << 1;
        QTest::newRow("to 33") << 32 << true << 1 << 1;
    }
    void chipPictureFiles() {
        QFETCH(int, from);
        QFETCH(bool, solved);
        QFETCH(int, moving);
        QFETCH(int, resting);
        TestContext tc(fakeCatalog());
        FakeRegistration reg = restoredGame(tc, 2, {from, 1}, 1);
        BoardUnderTest board(tc, reg);
        auto shows = [&](int picture) {
            const QImage expected =
                QPixmap(tc.ctx.folder.path(QStringLiteral("guk1%1.gif").arg(picture))).toImage();
            return board->chip(1)->picture().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied) ==
                   expected.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        };
        openTask(*board.board)->solve(solved);
        settle();
        QCOMPARE(board->chipPicture(1), moving);
        QVERIFY(shows(moving));
        tc.clock.advance(2500);
        settle();
        QCOMPARE(board->chipPicture(1), resting);
        QVERIFY(shows(resting));
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

    void leavingAfterSaveGoesStraightToTheQuestion() {
        NewGame g;
        saveAnswering(g.tc, *g.board.board, MsgAnswer::Yes);
        g.tc.dialogs.clear();
        g.tc.dialogs.answer(MsgAnswer::No);
        g.board->leaveBoard();
        QCOMPARE(g.tc.dialogs.asked(), QList<Message>{kLeave});
        QVERIFY(g.board.board);
        QCOMPARE(g.reg.returned, 0);
    }

    void leavingUnsavedOffersToSave() {
        NewGame g;
        g.tc.programFolder.write(QStringLiteral("Temp/2.$$$"), QByteArray(44, '\0'));
        g.tc.dialogs.answer(MsgAnswer::Yes); // save?
        g.tc.dialogs.answer(MsgAnswer::Yes); // Зберегти гру?
        g.tc.dialogs.answer(MsgAnswer::Ok);
        g.tc.dialogs.answer(MsgAnswer::Yes); // leave
        g.board->leaveBoard();
        QCOMPARE(g.tc.dialogs.asked(), (QList<Message>{kUnsaved, kSaveQuestion, kSaved, kLeave}));
        QCOMPARE(g.reg.returned, 1);
        QVERIFY(g.tc.programFolder.exists(QStringLiteral("Save/1/Temp/2.$$$")));
        // The working folder is emptied but stays.
        QVERIFY(g.tc.programFolder.exists(QStringLiteral("Temp")));
        QVERIFY(filesIn(g.tc.ctx.folder.workingFolder()).isEmpty());
        settle();
        QVERIFY(!g.board.board);
    }

    void leavingUnsavedWithoutSaving() {
        NewGame g;
        g.tc.dialogs.answer(MsgAnswer::No);
        g.tc.dialogs.answer(MsgAnswer::Yes);
        g.board->leaveBoard();
        QCOMPARE(g.tc.dialogs.asked(), (QList<Message>{kUnsaved, kLeave}));
        QVERIFY(!g.tc.programFolder.exists(QStringLiteral("Save/1")));
        QCOMPARE(g.reg.returned, 1);
    }

    void closeBoxAsksOnlyTheQuestion() {
        NewGame g;
        g.tc.dialogs.answer(MsgAnswer::No);
        QVERIFY(!g.board->close());
        QCOMPARE(g.tc.dialogs.asked(), QList<Message>{kLeave});
        QCOMPARE(g.reg.returned, 0);
    }
};

ZORNA_TEST_CLASS(BoardWindowTest)
#include "board_window_test.moc"
