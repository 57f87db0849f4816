#include "board/board_support.h"
#include "board/game_files.h"
#include "registration/registration_fixture.h"
#include "registration/registration_window.h"
#include "support/board_messages.h"
#include "support/links.h"
#include "support/test_registry.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <QTimer>

#include <set>

#include <functional>

using namespace zorna;
using namespace zorna::test;

namespace {

const Message kNoName{QStringLiteral("Повідомлення"), QStringLiteral("Не всі гравці задали своє ім'я!"),
                      MsgIcon::Warning, MsgButtons::Ok};
const Message kSameName{QStringLiteral("Повідомлення"), QStringLiteral("Однакові імена не допускаються!"),
                        MsgIcon::Warning, MsgButtons::Ok};
const Message kNoGame{QStringLiteral("Повідомлення"), QStringLiteral("Гру не вибрано!"), MsgIcon::Warning,
                      MsgButtons::Ok};
const Message kCloseProgram{QStringLiteral("Запит"), QStringLiteral("Закрити програму?"), MsgIcon::Question,
                            MsgButtons::YesNo};
const Message kDeleteQuestion{QStringLiteral("Запит"), QStringLiteral("Видалити гру з даними учасниками?"),
                              MsgIcon::Question, MsgButtons::YesNo};
const Message kDeleteWarning{QStringLiteral("Важливе повідомлення"),
                             QStringLiteral("Увага!\nЗараз буде видалено вибрану Вами гру!"),
                             MsgIcon::Warning, MsgButtons::OkCancel};

// A name with a character that Windows-1251 cannot hold.
Message badCharacter(const QString& shown, int player) {
    return Message{QStringLiteral("Повідомлення"),
                   QStringLiteral("Символ %1 в імені гравця %2 не допускається!").arg(shown).arg(player),
                   MsgIcon::Warning, MsgButtons::Ok};
}

Message helpFailed(const QString& file) {
    return Message{QStringLiteral("Помилка"),
                   QStringLiteral("Не вдалося відкрити файл довідки %1!").arg(QDir::toNativeSeparators(file)),
                   MsgIcon::Warning, MsgButtons::Ok};
}

Message damaged(const QString& folder) {
    return Message{QStringLiteral("Помилка"),
                   QStringLiteral("Виявлено помилку в даних гри") + QDir::toNativeSeparators(folder) +
                       QStringLiteral("!\nПапка з даними цієї гри буде знищена"),
                   MsgIcon::Warning, MsgButtons::Ok};
}

// Saved games with names: folder -> names.
void saveGame(TestContext& tc, const QString& folder, const QStringList& names, int numGr = 1) {
    tc.programFolder.write(QStringLiteral("Save/%1/date.dat").arg(folder),
                           gameRecordBytes(int(names.size()), names, {3, 4, 5}, numGr));
}

QStringList shownNames(RegistrationWindow& r) {
    return {r.savedNameLabel(1)->text(), r.savedNameLabel(2)->text(), r.savedNameLabel(3)->text()};
}

} // namespace

class RegistrationWindowTest : public QObject {
    Q_OBJECT
private slots:
    void startState() {
        TestContext tc(fakeCatalog());
        RegistrationUnderTest r(tc);
        QCOMPARE(r->windowTitle(), QStringLiteral("Реєстрація"));
        QCOMPARE(r->width(), 200);
        QCOMPARE(r->height(), 134);
        QCOMPARE(r->playerCountBox()->count(), 2);
        QCOMPARE(r->playerCountBox()->itemText(0), QStringLiteral("2"));
        QCOMPARE(r->playerCountBox()->itemText(1), QStringLiteral("3"));
        QCOMPARE(r->playerCountBox()->currentText(), QStringLiteral("2"));
        QCOMPARE(r->playerCountBox()->toolTip(), QStringLiteral("Кількість гравців"));
        QVERIFY(r->nameBox(1)->isEnabled());
        QVERIFY(r->nameBox(2)->isEnabled());
        QVERIFY(!r->nameBox(3)->isEnabled());
        QVERIFY(!r->savedMode());
        QVERIFY(r->confirmsClose());
        QCOMPARE(r->openButton()->toolTip(), QStringLiteral("Вибрати одну із збережених ігр"));
        QVERIFY(!r->openButton()->icon().isNull());
        QCOMPARE(r->nextButton()->toolTip(), QStringLiteral("Перейти до ігрового поля"));
        QCOMPARE(r->tickerBox()->focusPolicy(), Qt::NoFocus);
        QCOMPARE(tc.clock.enabledTimerCount(), 1);
    }

    void countEnablesNameBoxes() {
        TestContext tc(fakeCatalog());
        RegistrationUnderTest r(tc);
        r->playerCountBox()->setCurrentIndex(1);
        QCOMPARE(r->playerCount(), 3);
        QVERIFY(r->nameBox(3)->isEnabled());
        r->nameBox(3)->setText(QStringLiteral("Іра"));
        r->playerCountBox()->setCurrentIndex(0);
        QVERIFY(!r->nameBox(3)->isEnabled());
        QCOMPARE(r->nameBox(3)->text(), QStringLiteral("Іра"));
    }

    void nameChecks_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QList<Message>>("messages"); // empty: the board opens
        QTest::newRow("two names") << 2 << QStringList{"Оля", "Петро", ""} << QList<Message>{};
        QTest::newRow("first empty") << 2 << QStringList{"", "Петро", ""} << QList<Message>{kNoName};
        QTest::newRow("only spaces") << 2 << QStringList{"Оля", "   ", ""} << QList<Message>{kNoName};
        QTest::newRow("third empty of three")
            << 3 << QStringList{"Оля", "Петро", " "} << QList<Message>{kNoName};
        QTest::newRow("same") << 2 << QStringList{"Оля", "Оля", ""} << QList<Message>{kSameName};
        QTest::newRow("same with spaces")
            << 2 << QStringList{"Оля", "  Оля ", ""} << QList<Message>{kSameName};
        QTest::newRow("case differs") << 2 << QStringList{"оля", "Оля", ""} << QList<Message>{};
        QTest::newRow("1 and 3 same") << 3 << QStringList{"Іра", "Петро", "Іра"} << QList<Message>{kSameName};
        QTest::newRow("box 3 ignored for two") << 2 << QStringList{"Оля", "Петро", "Оля"} << QList<Message>{};
        QTest::newRow("empty wins over same")
            << 3 << QStringList{"Оля", "Оля", ""} << QList<Message>{kNoName};
        // Names are saved in Windows-1251, cut to 50 bytes: what the code cannot
        // hold is refused, and names are compared as they will be saved.
        QTest::newRow("chinese") << 2 << QStringList{"Оля", "李", ""}
                                 << QList<Message>{badCharacter("«李»", 2)};
        QTest::newRow("two chinese names")
            << 2 << QStringList{"李", "王", ""} << QList<Message>{badCharacter("«李»", 1)};
        QTest::newRow("emoji") << 3 << QStringList{"Оля", "Петро", "Іра 😀"}
                               << QList<Message>{badCharacter("«😀»", 3)};
        QTest::newRow("e acute") << 2 << QStringList{"Renée", "Петро", ""}
                                 << QList<Message>{badCharacter("«é»", 1)};
        QTest::newRow("combining accent")
            << 2 << QStringList{"Оля", "Rene\u0301e", ""} << QList<Message>{badCharacter("U+0301", 2)};
        QTest::newRow("empty wins over character")
            << 2 << QStringList{"李", "", ""} << QList<Message>{kNoName};
        QTest::newRow("character wins over same")
            << 3 << QStringList{"Оля", "Оля", "王"} << QList<Message>{badCharacter("«王»", 3)};
        QTest::newRow("same in the first 50 characters")
            << 2 << QStringList{QString(50, 'a') + "1", QString(50, 'a') + "2", ""}
            << QList<Message>{kSameName};
        QTest::newRow("same but for spaces at the cut")
            << 2 << QStringList{QString(49, 'a') + " b", QString(49, 'a'), ""} << QList<Message>{kSameName};
        QTest::newRow("differ within 50 characters")
            << 2 << QStringList{QString(49, 'a') + "1x", QString(49, 'a') + "2x", ""} << QList<Message>{};
        QTest::newRow("windows-1251 punctuation")
            << 2 << QStringList{"«Оля» №1 — ґ’", "Петро", ""} << QList<Message>{};
    }
    void nameChecks() {
        QFETCH(int, count);
        QFETCH(QStringList, names);
        QFETCH(QList<Message>, messages);
        TestContext tc(fakeCatalog());
        RegistrationUnderTest r(tc);
        r->playerCountBox()->setCurrentIndex(count - 2);
        for (int i = 1; i <= 3; ++i)
            r->nameBox(i)->setText(names[i - 1]);
        QTest::mouseClick(r->nextButton(), Qt::LeftButton);
        QCOMPARE(tc.dialogs.asked(), messages);
        if (messages.isEmpty()) {
            QVERIFY(r->board());
            QVERIFY(r->board()->isVisible());
            QVERIFY(!r->isVisible());
            QCOMPARE(r->board()->session().playerCount(), count);
            QVERIFY(r->board()->startButton()->isEnabled());
            r->board()->startGame();
            // The board reads the name as typed.
            QCOMPARE(r->board()->turnLabel()->text(), names[0]);
        } else {
            QVERIFY(!r->board());
            QVERIFY(r->isVisible());
        }
    }

    void ticker() {
        TestContext tc(fakeCatalog());
        RegistrationUnderTest r(tc);
        const QString text = r->tickerText();
        QCOMPARE(RegistrationWindow::creditLine().size(), 188);
        QVERIFY(RegistrationWindow::creditLine().startsWith(QStringLiteral("Автори: ")));
        QCOMPARE(text, QStringLiteral("F1-про програму") + QString(63, ' ') +
                           RegistrationWindow::creditLine() + QString(69, ' '));
        QCOMPARE(r->tickerBox()->text(), QString());
        tc.clock.advance(300);
        QCOMPARE(r->tickerBox()->text(), QStringLiteral("F1"));
        tc.clock.advance(300);
        QCOMPARE(r->tickerBox()->text(), QStringLiteral("F1-п"));
        tc.clock.advance(23 * 300); // 25 ticks: two characters more each
        QCOMPARE(r->tickerBox()->text(), text.left(50));
        tc.clock.advance(300); // from now on the front loses one character a tick
        QCOMPARE(r->tickerBox()->text(), text.mid(1, 51));
        tc.clock.advance(300);
        QCOMPARE(r->tickerBox()->text(), text.mid(2, 52));
        tc.clock.advance(140 * 300); // tick 167: the last before the counter passes the end
        QCOMPARE(r->tickerBox()->text(), text.mid(142, 192));
        tc.clock.advance(300); // tick 168 starts over
        QCOMPARE(r->tickerBox()->text(), QStringLiteral("F1"));
    }

    // Hidden for the game, the window stops its strip, so that nothing wakes the
    // program while the board waits for "Далі"; a window shown again scrolls on.
    void hiddenWindowStopsItsStrip() {
        TestContext tc(fakeCatalog());
        RegistrationUnderTest r(tc);
        r->nameBox(1)->setText(QStringLiteral("Оля"));
        r->nameBox(2)->setText(QStringLiteral("Петро"));
        tc.clock.advance(3 * 300);
        const QString shown = r->tickerBox()->text();
        QCOMPARE(shown, r->tickerText().left(6));
        r->goToBoard();
        QVERIFY(!r->isVisible());
        QVERIFY(r->board());
        r->board()->startGame();
        QCOMPARE(tc.clock.enabledTimerCount(), 0);
        tc.clock.advance(10 * 300);
        QCOMPARE(r->tickerBox()->text(), shown);
        r->show();
        QCOMPARE(tc.clock.enabledTimerCount(), 1);
        tc.clock.advance(300);
        QCOMPARE(r->tickerBox()->text(), r->tickerText().left(8));
    }

    void closeAsksFirst() {
        TestContext tc(fakeCatalog());
        RegistrationUnderTest r(tc);
        tc.dialogs.answer(MsgAnswer::No);
        QVERIFY(!r->close());
        QVERIFY(r->isVisible());
        tc.dialogs.answer(MsgAnswer::Yes);
        QVERIFY(r->close());
        QCOMPARE(tc.dialogs.asked(), (QList<Message>{kCloseProgram, kCloseProgram}));
        settle();
        QVERIFY(!r.w);
    }

    void helpKey_data() {
        QTest::addColumn<QString>("control");
        QTest::newRow("name box") << QStringLiteral("winNameGravc1");
        QTest::newRow("count") << QStringLiteral("winKilGravc");
        QTest::newRow("window") << QString();
    }
    void helpKey() {
        QFETCH(QString, control);
        TestContext tc(fakeCatalog());
        RegistrationUnderTest r(tc);
        QWidget* target = control.isEmpty() ? r.w.data() : r->findChild<QWidget*>(control);
        QVERIFY(target);
        QTest::keyClick(target, Qt::Key_F1);
        QCOMPARE(tc.help.opened, QStringList{tc.ctx.folder.helpPage()});
    }

    // Without a browser (or without the page) F1 says so, naming the file, on
    // the registration window and on the board.
    void helpPageThatCannotBeOpened_data() {
        QTest::addColumn<bool>("onBoard");
        QTest::newRow("registration") << false;
        QTest::newRow("board") << true;
    }
    void helpPageThatCannotBeOpened() {
        QFETCH(bool, onBoard);
        TestContext tc(fakeCatalog());
        tc.help.fails = true;
        RegistrationUnderTest r(tc);
        QWidget* window = r.w;
        if (onBoard) {
            r->nameBox(1)->setText(QStringLiteral("Оля"));
            r->nameBox(2)->setText(QStringLiteral("Петро"));
            r->goToBoard();
            window = r->board();
        }
        QTest::keyClick(window, Qt::Key_F1);
        QCOMPARE(tc.help.opened, QStringList{tc.ctx.folder.helpPage()});
        QCOMPARE(tc.dialogs.asked(), QList<Message>{helpFailed(tc.ctx.folder.helpPage())});
        QVERIFY(window->isEnabled());
    }

    // However fast the clicks on the arrow come, one board opens: the second
    // click reaches the window after it has hidden itself.
    void doubleClickOpensOneBoard_data() {
        QTest::addColumn<bool>("savedGame");
        QTest::newRow("new game") << false;
        QTest::newRow("saved game") << true;
    }
    void doubleClickOpensOneBoard() {
        QFETCH(bool, savedGame);
        TestContext tc(fakeCatalog());
        saveGame(tc, QStringLiteral("1"), {"Оля", "Петро"});
        RegistrationUnderTest r(tc);
        if (savedGame) {
            r->toggleSavedGames();
        } else {
            r->nameBox(1)->setText(QStringLiteral("Оля"));
            r->nameBox(2)->setText(QStringLiteral("Петро"));
        }
        QTest::mouseClick(r->nextButton(), Qt::LeftButton);
        QPointer<BoardWindow> first = r->board();
        QVERIFY(first);
        QTest::mouseClick(r->nextButton(), Qt::LeftButton);
        QCOMPARE(r->board(), first.data());
        const QWidgetList windows = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(windows.begin(), windows.end(),
                               [](QWidget* w) { return qobject_cast<BoardWindow*>(w); }),
                 1);
        QVERIFY(tc.dialogs.asked().isEmpty());
    }

    // A close request sent to the hidden registration window while a board
    // uses it (window tools, a session ending) is refused: the board keeps
    // its players, and its F2 still finds them.
    void hiddenWindowStaysWhileTheBoardIsOpen() {
        TestContext tc(fakeCatalog());
        RegistrationUnderTest r(tc);
        r->nameBox(1)->setText(QStringLiteral("Оля"));
        r->nameBox(2)->setText(QStringLiteral("Петро"));
        r->goToBoard();
        QPointer<BoardWindow> board = r->board();
        QVERIFY(board);
        tc.dialogs.answer(MsgAnswer::Yes);
        QVERIFY(!r->close());
        settle();
        QVERIFY(r.w);
        QVERIFY(!r->isVisible());
        QVERIFY(tc.dialogs.asked().isEmpty());
        QTest::keyClick(board.data(), Qt::Key_F2);
        QVERIFY(board->statisticsWindow());
        QCOMPARE(board->statisticsWindow()->nameLabel(2)->text(), QStringLiteral("Петро"));
        board->statisticsWindow()->close();
        settle();
        // Once the players have left the board the program can be closed again.
        tc.dialogs.answer(MsgAnswer::Yes);
        board->close();
        QPointer<RegistrationWindow> fresh = r->successor();
        settle();
        QVERIFY(!board);
        QVERIFY(!r.w);
        QVERIFY(fresh);
        tc.dialogs.answer(MsgAnswer::Yes);
        QVERIFY(fresh->close());
    }

    void noSavedGamesStaysInNewMode() {
        TestContext tc(fakeCatalog());
        RegistrationUnderTest r(tc);
        r->toggleSavedGames();
        QVERIFY(!r->savedMode());
        QVERIFY(tc.programFolder.exists(QStringLiteral("Save")));
        QVERIFY(tc.dialogs.asked().isEmpty());
        QCOMPARE(r->height(), 134);
    }

    void browserOrderAndSteps() {
        TestContext tc(fakeCatalog());
        saveGame(tc, QStringLiteral("1"), {"Оля", "Петро"});
        saveGame(tc, QStringLiteral("2"), {"Іра", "Марко", "Яна"});
        saveGame(tc, QStringLiteral("10"), {"Ліна", "Денис"});
        RegistrationUnderTest r(tc);
        r->playerCountBox()->setCurrentIndex(1);
        r->nameBox(1)->setText(QStringLiteral("Тарас"));
        QTest::mouseClick(r->openButton(), Qt::LeftButton);
        QVERIFY(r->savedMode());
        QCOMPARE(r->height(), 260);
        QCOMPARE(r->openButton()->toolTip(), QStringLiteral("Розпочати нову гру"));
        QCOMPARE(r->savedGames(), (QStringList{"1", "10", "2"}));
        QCOMPARE(shownNames(*r.w), (QStringList{"Оля", "Петро", ""}));
        QCOMPARE(r->currentFolder(), tc.ctx.folder.path(QStringLiteral("Save")) + QStringLiteral("/1"));
        QVERIFY(!r->playerCountBox()->isEnabled());
        for (int i = 1; i <= 3; ++i)
            QVERIFY(!r->nameBox(i)->isEnabled());
        QVERIFY(!r->previousGameButton()->isEnabled());
        QVERIFY(r->nextGameButton()->isEnabled());
        QCOMPARE(r->previousGameButton()->toolTip(), QStringLiteral("Попередній запис"));
        QCOMPARE(r->nextGameButton()->toolTip(), QStringLiteral("Наступний запис"));
        QCOMPARE(r->deleteButton()->toolTip(), QStringLiteral("Видалити гру з даними учасниками"));

        r->showNextGame();
        QCOMPARE(shownNames(*r.w), (QStringList{"Ліна", "Денис", ""}));
        QVERIFY(r->previousGameButton()->isEnabled());
        QVERIFY(r->nextGameButton()->isEnabled());
        r->showNextGame();
        QCOMPARE(shownNames(*r.w), (QStringList{"Іра", "Марко", "Яна"}));
        QVERIFY(!r->nextGameButton()->isEnabled());
        r->showNextGame(); // at the end nothing happens
        QCOMPARE(r->currentGame(), 2);
        r->showPreviousGame();
        r->showPreviousGame();
        QCOMPARE(r->currentGame(), 0);
        QVERIFY(!r->previousGameButton()->isEnabled());
        r->showPreviousGame();
        QCOMPARE(r->currentGame(), 0);

        // Back to new-game mode: count and names as they were, enabled.
        r->toggleSavedGames();
        QVERIFY(!r->savedMode());
        QCOMPARE(r->height(), 134);
        QCOMPARE(r->openButton()->toolTip(), QStringLiteral("Вибрати одну із збережених ігр"));
        QCOMPARE(r->playerCountBox()->currentText(), QStringLiteral("3"));
        QVERIFY(r->playerCountBox()->isEnabled());
        QCOMPARE(r->nameBox(1)->text(), QStringLiteral("Тарас"));
        for (int i = 1; i <= 3; ++i)
            QVERIFY(r->nameBox(i)->isEnabled());
    }

    void oneSavedGameDisablesBothSteps() {
        TestContext tc(fakeCatalog());
        saveGame(tc, QStringLiteral("3"), {"Оля", "Петро"});
        RegistrationUnderTest r(tc);
        r->toggleSavedGames();
        QVERIFY(r->savedMode());
        QVERIFY(!r->previousGameButton()->isEnabled());
        QVERIFY(!r->nextGameButton()->isEnabled());
    }

    void damagedFoldersAreRemoved() {
        TestContext tc(fakeCatalog());
        saveGame(tc, QStringLiteral("2"), {"Оля", "Петро"});
        QDir().mkpath(tc.programFolder.root() + "/Save/1");
        tc.programFolder.write(QStringLiteral("Save/3/Temp/2.$$$"), "x");
        RegistrationUnderTest r(tc);
        r->toggleSavedGames();
        const QString save = tc.ctx.folder.saveFolder();
        QCOMPARE(tc.dialogs.asked(), (QList<Message>{damaged(save + "/1"), damaged(save + "/3")}));
        QVERIFY(!tc.programFolder.exists(QStringLiteral("Save/1")));
        QVERIFY(!tc.programFolder.exists(QStringLiteral("Save/3")));
        QCOMPARE(r->savedGames(), QStringList{"2"});
        QVERIFY(r->savedMode());
    }

    void onlyDamagedFolderStaysInNewMode() {
        TestContext tc(fakeCatalog());
        QDir().mkpath(tc.programFolder.root() + "/Save/1");
        RegistrationUnderTest r(tc);
        r->toggleSavedGames();
        QCOMPARE(tc.dialogs.asked().size(), 1);
        QVERIFY(!r->savedMode());
        QVERIFY(tc.programFolder.exists(QStringLiteral("Save")));
    }

    void deleteLandsOnTheRightGame_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<QStringList>("left");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("previous");
        QTest::addColumn<bool>("next");
        QTest::newRow("middle") << 1 << QStringList{"1", "3"} << QStringLiteral("Яна") << true << false;
        QTest::newRow("last") << 2 << QStringList{"1", "2"} << QStringLiteral("Іра") << true << false;
        QTest::newRow("first") << 0 << QStringList{"2", "3"} << QStringLiteral("Іра") << false << true;
    }
    void deleteLandsOnTheRightGame() {
        QFETCH(int, position);
        QFETCH(QStringList, left);
        QFETCH(QString, shown);
        QFETCH(bool, previous);
        QFETCH(bool, next);
        TestContext tc(fakeCatalog());
        saveGame(tc, QStringLiteral("1"), {"Оля", "Петро"});
        saveGame(tc, QStringLiteral("2"), {"Іра", "Марко"});
        saveGame(tc, QStringLiteral("3"), {"Яна", "Денис"});
        RegistrationUnderTest r(tc);
        r->toggleSavedGames();
        for (int i = 0; i < position; ++i)
            r->showNextGame();
        tc.dialogs.answer(MsgAnswer::Yes);
        tc.dialogs.answer(MsgAnswer::Ok);
        QTest::mouseClick(r->deleteButton(), Qt::LeftButton);
        QCOMPARE(tc.dialogs.asked(), (QList<Message>{kDeleteQuestion, kDeleteWarning}));
        QCOMPARE(r->savedGames(), left);
        QCOMPARE(r->savedNameLabel(1)->text(), shown);
        QCOMPARE(r->previousGameButton()->isEnabled(), previous);
        QCOMPARE(r->nextGameButton()->isEnabled(), next);
        QVERIFY(r->savedMode());
    }

    void deleteNeedsBothAnswers_data() {
        QTest::addColumn<MsgAnswer>("first");
        QTest::addColumn<MsgAnswer>("second");
        QTest::newRow("no") << MsgAnswer::No << MsgAnswer::Ok;
        QTest::newRow("cancel") << MsgAnswer::Yes << MsgAnswer::Cancel;
    }
    void deleteNeedsBothAnswers() {
        QFETCH(MsgAnswer, first);
        QFETCH(MsgAnswer, second);
        TestContext tc(fakeCatalog());
        saveGame(tc, QStringLiteral("1"), {"Оля", "Петро"});
        RegistrationUnderTest r(tc);
        r->toggleSavedGames();
        tc.dialogs.answer(first);
        tc.dialogs.answer(second);
        r->deleteGame();
        QVERIFY(tc.programFolder.exists(QStringLiteral("Save/1/date.dat")));
        QCOMPARE(r->savedGames(), QStringList{"1"});
    }

    // Out of saved-game mode the panel is below the window's edge: keys never
    // reach its buttons, whether the panel was shown before or not.
    void hiddenPanelButtonsIgnoreKeys_data() {
        QTest::addColumn<bool>("shownBefore");
        QTest::newRow("panel shown and hidden") << true;
        QTest::newRow("panel never shown") << false;
    }
    void hiddenPanelButtonsIgnoreKeys() {
        QFETCH(bool, shownBefore);
        TestContext tc(fakeCatalog());
        saveGame(tc, QStringLiteral("1"), {"Оля", "Петро"});
        RegistrationUnderTest r(tc);
        if (shownBefore) {
            r->toggleSavedGames();
            r->toggleSavedGames();
        }
        QVERIFY(!r->savedMode());
        QApplication::setActiveWindow(r.w);
        r->nameBox(1)->setFocus();
        QVERIFY(QApplication::focusWidget() != nullptr);
        const std::set<QWidget*> panel = {r->deleteButton(), r->previousGameButton(), r->nextGameButton()};
        for (int step = 0; step < 12; ++step) {
            QWidget* focused = QApplication::focusWidget();
            QVERIFY(focused && !panel.count(focused));
            QTest::keyClick(focused, Qt::Key_Tab);
        }
        // A key that reaches the delete button all the same is ignored.
        tc.dialogs.answer(MsgAnswer::Yes);
        tc.dialogs.answer(MsgAnswer::Ok);
        QTest::keyClick(r->deleteButton(), Qt::Key_Space);
        for (const Message& asked : tc.dialogs.asked())
            QVERIFY2(!asked.text.contains(QStringLiteral("Видалити")), qPrintable(asked.text));
        QVERIFY(tc.programFolder.exists(QStringLiteral("Save/1/date.dat")));
    }

    void deletingTheOnlyGameReturnsToNewMode() {
        TestContext tc(fakeCatalog());
        saveGame(tc, QStringLiteral("1"), {"Оля", "Петро"});
        tc.programFolder.write(QStringLiteral("Save/1/Temp/2.$$$"), "x");
        tc.programFolder.write(QStringLiteral("Save/1/statist.dat"), QByteArray(84, '\0'));
        RegistrationUnderTest r(tc);
        r->nameBox(1)->setText(QStringLiteral("Тарас"));
        r->toggleSavedGames();
        tc.dialogs.answer(MsgAnswer::Yes);
        tc.dialogs.answer(MsgAnswer::Ok);
        r->deleteGame();
        QVERIFY(!tc.programFolder.exists(QStringLiteral("Save/1")));
        QVERIFY(tc.programFolder.exists(QStringLiteral("Save")));
        QVERIFY(!r->savedMode());
        QCOMPARE(r->nameBox(1)->text(), QStringLiteral("Тарас"));
        QVERIFY(r->nameBox(1)->isEnabled());
        QCOMPARE(r->playerCountBox()->currentText(), QStringLiteral("2"));
    }

    void deleteNeverLeavesTheSaveFolder() {
        TestContext tc(fakeCatalog());
        saveGame(tc, QStringLiteral("1"), {"Оля", "Петро"});
        tc.programFolder.write(QStringLiteral("Mine/keep.txt"), "keep");
        const QString root = tc.programFolder.root();
        ZORNA_LINK(root + "/Mine", root + "/Save/1/Temp");
        RegistrationUnderTest r(tc);
        r->toggleSavedGames();
        tc.dialogs.answer(MsgAnswer::Yes);
        tc.dialogs.answer(MsgAnswer::Ok);
        r->deleteGame();
        QVERIFY(!tc.programFolder.exists(QStringLiteral("Save/1")));
        QCOMPARE(tc.programFolder.read(QStringLiteral("Mine/keep.txt")), QByteArray("keep"));
    }

    void openSavedGame() {
        TestContext tc(fakeCatalog());
        saveGame(tc, QStringLiteral("1"), {"Оля", "Петро"});
        saveGame(tc, QStringLiteral("2"), {"Іра", "Марко", "Яна"}, 3);
        tc.programFolder.write(QStringLiteral("Save/2/statist.dat"), statBytes({{3, 5, 1, 7}}));
        RegistrationUnderTest r(tc);
        r->toggleSavedGames();
        r->showNextGame();
        QTest::mouseClick(r->nextButton(), Qt::LeftButton);
        QVERIFY(tc.dialogs.asked().isEmpty());
        BoardWindow* board = r->board();
        QVERIFY(board);
        QVERIFY(board->isVisible());
        QVERIFY(!r->isVisible());
        QCOMPARE(r->playerCountBox()->currentText(), QStringLiteral("3"));
        QCOMPARE(r->nameBox(3)->text(), QStringLiteral("Яна"));
        QVERIFY(!board->startButton()->isEnabled());
        QCOMPARE(board->session().currentPlayer(), 3);
        QCOMPARE(board->turnLabel()->text(), QStringLiteral("Яна"));
        QCOMPARE(board->session().game().players()[2].square(), 5);
        QCOMPARE(board->session().stats().at(3, 5, 1), qint16(7));
        QCOMPARE(board->session().folderName(), QStringLiteral("2"));
    }

    void savedGameWithoutNames() {
        TestContext tc(fakeCatalog());
        saveGame(tc, QStringLiteral("1"), {"  ", ""});
        RegistrationUnderTest r(tc);
        r->toggleSavedGames();
        r->goToBoard();
        QCOMPARE(tc.dialogs.asked(), QList<Message>{kNoGame});
        QVERIFY(!r->board());
    }

    void brokenSavedGameIsNotOpened_data() {
        QTest::addColumn<QByteArray>("date");
        const QStringList names{"Оля", "Петро"};
        QTest::newRow("too short") << gameRecordBytes(2, names, {1, 1}, 1).left(1000);
        QTest::newRow("count 5") << gameRecordBytes(5, names, {1, 1}, 1);
        QTest::newRow("square 40") << gameRecordBytes(2, names, {40, 1}, 1);
        QTest::newRow("turn 3 of 2") << gameRecordBytes(2, names, {1, 1}, 3);
    }
    void brokenSavedGameIsNotOpened() {
        QFETCH(QByteArray, date);
        TestContext tc(fakeCatalog());
        tc.programFolder.write(QStringLiteral("Save/1/date.dat"), date);
        RegistrationUnderTest r(tc);
        r->toggleSavedGames();
        QVERIFY(r->savedMode());
        r->goToBoard();
        QCOMPARE(tc.dialogs.asked().size(), 1);
        QCOMPARE(tc.dialogs.asked().first().icon, MsgIcon::Warning);
        QVERIFY(tc.dialogs.asked().first().text.contains(
            QDir::toNativeSeparators(tc.ctx.folder.saveFolder() + "/1")));
        QVERIFY(!r->board());
        QVERIFY(r->isVisible());
        QCOMPARE(tc.programFolder.read(QStringLiteral("Save/1/date.dat")), date);
    }

    void leavingTheBoardShowsAFreshWindow() {
        TestContext tc(fakeCatalog());
        RegistrationUnderTest r(tc);
        r->playerCountBox()->setCurrentIndex(1);
        r->nameBox(1)->setText(QStringLiteral("Оля"));
        r->nameBox(2)->setText(QStringLiteral("Петро"));
        r->nameBox(3)->setText(QStringLiteral("Іра"));
        r->goToBoard();
        QPointer<BoardWindow> board = r->board();
        QVERIFY(board);
        board->startGame();
        tc.programFolder.write(QStringLiteral("Temp/2.$$$"), "x");
        tc.dialogs.answer(MsgAnswer::No);  // do not save
        tc.dialogs.answer(MsgAnswer::Yes); // leave
        board->leaveBoard();
        QCOMPARE(tc.dialogs.asked().last(), kLeave);
        QPointer<RegistrationWindow> fresh = r->successor();
        QVERIFY(fresh);
        QVERIFY(fresh->isVisible());
        settle();
        QVERIFY(!board);
        QVERIFY(!r.w); // closed without a question
        QCOMPARE(tc.dialogs.asked().size(), 2);
        QVERIFY(filesIn(tc.ctx.folder.workingFolder()).isEmpty());
        // The fresh window is what keeps the program running: it quits when closed.
        QVERIFY(fresh->testAttribute(Qt::WA_QuitOnClose));
        // The fresh window starts over.
        QCOMPARE(fresh->playerCountBox()->currentText(), QStringLiteral("2"));
        QCOMPARE(fresh->nameBox(1)->text(), QString());
        QVERIFY(!fresh->nameBox(3)->isEnabled());
        QVERIFY(fresh->confirmsClose());
        // Closing it with the user's yes is the end of the program.
        tc.dialogs.answer(MsgAnswer::Yes);
        QVERIFY(fresh->close());
        settle();
        QVERIFY(!fresh);
    }

    // Under the application's own event loop: leaving the board does not end
    // the program, closing the registration window with "yes" does.
    void programEndsOnlyWithTheConfirmedClose() {
        TestContext tc(fakeCatalog());
        QPointer<RegistrationWindow> first = RegistrationWindow::showFresh(tc.ctx, tc.catalog);
        first->nameBox(1)->setText(QStringLiteral("Оля"));
        first->nameBox(2)->setText(QStringLiteral("Петро"));
        first->goToBoard();
        QPointer<BoardWindow> board = first->board();
        QVERIFY(board);
        QPointer<RegistrationWindow> fresh;
        bool runningAfterLeave = false;
        bool forcedQuit = false;
        // Runs `step` on a later pass of the event loop once `ready` holds; after
        // `rounds` passes without it the loop is ended, which fails the test.
        // Steps still waiting when the test ends go with `scope`.
        std::function<void(std::function<bool()>, std::function<void()>, int)> when;
        QObject scope;
        when = [&](std::function<bool()> ready, std::function<void()> step, int rounds) {
            QTimer::singleShot(0, &scope, [&, ready, step, rounds] {
                if (ready())
                    step();
                else if (rounds > 0)
                    when(ready, step, rounds - 1);
                else {
                    forcedQuit = true;
                    QCoreApplication::quit();
                }
            });
        };
        when([] { return true; },
             [&] {
                 tc.dialogs.answer(MsgAnswer::Yes); // leave
                 board->close();
                 fresh = first->successor();
                 // The board and the first window go; the program must keep running.
                 when([&] { return !board && !first; },
                      [&] {
                          runningAfterLeave = true;
                          tc.dialogs.answer(MsgAnswer::Yes); // Закрити програму?
                          if (fresh)
                              fresh->close();
                          // The confirmed close ends the loop; this only ends a loop that goes on.
                          when([] { return false; }, [] {}, 1000);
                      },
                      1000);
             },
             0);
        // The program's own setting (the test runner turns it off).
        const bool quitOnLast = QGuiApplication::quitOnLastWindowClosed();
        QGuiApplication::setQuitOnLastWindowClosed(true);
        QApplication::exec();
        QGuiApplication::setQuitOnLastWindowClosed(quitOnLast);
        QVERIFY(!forcedQuit);
        QVERIFY(runningAfterLeave);
        QCOMPARE(tc.dialogs.asked(), (QList<Message>{kLeave, kCloseProgram}));
        settle();
        QVERIFY(!first);
        QVERIFY(!board);
        QVERIFY(!fresh);
    }
};

ZORNA_TEST_CLASS(RegistrationWindowTest)
#include "registration_window_test.moc"
