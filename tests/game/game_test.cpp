// A whole three-player game through the registration window, the board and
// every task window, answered with real mouse and key events on the virtual clock.
#include "game/solvers.h"

#include "board/board_support.h"
#include "board/board_window.h"
#include "journal/journal_reader.h"
#include "registration/registration_window.h"
#include "stats/finish_window.h"
#include "stats/statistics_window.h"
#include "support/test_registry.h"
#include "tasks/common/task_catalog.h"
#include "tasks/common/task_registry.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMap>
#include <QPointer>
#include <QSet>

#include <array>

using namespace zorna;
using namespace zorna::test;

namespace {

constexpr quint32 kSeed = 20261210;
// A fault must fail the test, not hang it.
constexpr int kTurnLimit = 3000;

const QStringList kNames{QStringLiteral("Оля"), QStringLiteral("Петро"), QStringLiteral("Іра")};

// Which tasks a player answers wrongly, counted per player from 0. The patterns
// make player 1 fail on the ladder square 10 and player 2 on the plank square 21,
// so that the squares past both shortcuts (11, 12, 22, 23) are played too, and
// both slide-back squares send a chip back.
bool answersRight(int player, int task) {
    switch (player) {
    case 1:
        return task % 3 != 1;
    case 2:
        return task % 4 != 1;
    default:
        return task % 3 != 0;
    }
}

struct Answer {
    int player;
    int square;
    int windowNumber;
    int category;
    bool right;
};

struct Finish {
    QString name;
    int place;
    bool banner;
};

// Deletes the windows of the game before the context they use goes, also
// when a check fails half-way through.
struct GameWindows {
    QPointer<RegistrationWindow> registrationWindow;
    QPointer<BoardWindow> board;
    ~GameWindows() {
        if (board) {
            delete board->taskWindow();
            delete board->finishWindow();
            delete board->statisticsWindow();
        }
        delete board.data();
        delete registrationWindow.data();
        settle();
    }
};

// Types a text key by key; QTest::keyClicks handles Latin-1 letters only.
void typeText(QWidget* box, const QString& text) {
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// The place a finish window shows: the one place picture that is visible.
int shownPlace(const FinishWindow& form) {
    int place = 0;
    for (int p = 1; p <= 3; ++p)
        if (form.placePicture(p)->isVisibleTo(&form))
            place = place == 0 ? p : -1;
    return place;
}

} // namespace

class GameTest : public QObject {
    Q_OBJECT

private slots:
    // Every registered task window has exactly one solver, and every solver a
    // window, so that the game below can play each window.
    void everyTaskWindowHasOneSolver() {
        const SolverRegistry& registry = solverRegistry();
        QStringList faults;
        QSet<int> windows;
        for (const TaskEntry& e : registeredTasks()) {
            windows.insert(e.task.windowNumber);
            if (!registry.solvers.contains(e.task.windowNumber))
                faults << QStringLiteral(
                              "%1 (square %2) has no solver: register one with ZORNA_SOLVER(%3, ...) "
                              "in tests/game/solve_%4.cpp")
                              .arg(e.task.windowName())
                              .arg(e.task.square)
                              .arg(e.task.windowNumber)
                              .arg(QString::fromLatin1(familyFolder(e.family)));
        }
        for (auto it = registry.solvers.cbegin(); it != registry.solvers.cend(); ++it)
            if (!windows.contains(it.key()))
                faults << QStringLiteral("a solver is registered for window %1, which no square opens")
                              .arg(it.key());
        for (int n : registry.repeated)
            faults << QStringLiteral("window %1 has more than one solver").arg(n);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
        QCOMPARE(registry.solvers.size(), kTaskSquareCount);
    }

    void threePlayersPlayEveryTaskWindowToTheEnd() {
        QElapsedTimer elapsed;
        elapsed.start();

        TestContext t(buildTaskCatalog());
        t.rnd.useSeededFallback(kSeed);
        const QHash<int, Solver>& solvers = solverRegistry().solvers;
        for (const TaskEntry& e : registeredTasks())
            QVERIFY2(solvers.contains(e.task.windowNumber), qPrintable(e.task.windowName()));

        // Registration: three players, three names, on to the board.
        GameWindows windows;
        windows.registrationWindow = new RegistrationWindow(t.ctx, t.catalog);
        RegistrationWindow* registrationWindow = windows.registrationWindow;
        registrationWindow->show();
        QTest::keyClick(registrationWindow->playerCountBox(), Qt::Key_Down);
        QCOMPARE(registrationWindow->playerCount(), 3);
        for (int i = 1; i <= 3; ++i) {
            QLineEdit* box = registrationWindow->nameBox(i);
            QVERIFY(box->isEnabled());
            box->setFocus();
            box->selectAll();
            typeText(box, kNames[i - 1]);
            QCOMPARE(box->text(), kNames[i - 1]);
        }
        QTest::mouseClick(registrationWindow->nextButton(), Qt::LeftButton);
        QVERIFY(t.dialogs.asked().isEmpty());
        windows.board = registrationWindow->board();
        QVERIFY(windows.board);
        BoardWindow* board = windows.board;
        QVERIFY(board->isVisible());
        QVERIFY(!registrationWindow->isVisible());
        QCOMPARE(board->session().playerCount(), 3);
        QTest::mouseClick(board->startButton(), Qt::LeftButton);
        QVERIFY(!board->nextButton()->isHidden());

        QList<Answer> answers;
        std::array<int, 3> tasks{};
        QSet<int> opened;
        QList<Finish> finishes;
        int turns = 0;
        for (; turns < kTurnLimit && board->session().game().finishedCount() < 3; ++turns) {
            QVERIFY(board->isEnabled());
            QVERIFY(board->nextButton()->isEnabled());
            const int p = board->session().currentPlayer();
            QVERIFY(p >= 1 && p <= 3 && !board->session().game().finished(p));
            QCOMPARE(board->turnLabel()->text(), kNames[p - 1]);
            const int square = board->session().game().players()[p - 1].square();

            QTest::mouseClick(board->nextButton(), Qt::LeftButton);
            QPointer<TaskWindow> w = board->taskWindow();
            QVERIFY2(w, qPrintable(QStringLiteral("no task window on square %1").arg(square)));
            QVERIFY(w->isVisible());
            QVERIFY(!board->isEnabled());
            QCOMPARE(w->task().square, square);
            QCOMPARE(w->windowTitle(), QString::fromUtf8(w->task().caption));
            const TaskSquare task = w->task();
            opened.insert(task.windowNumber);

            const bool right = answersRight(p, tasks[p - 1]++);
            const int picture = w->deck() ? w->deck()->current() : 0;
            const QString what = QStringLiteral("%1 (square %2, picture %3, player %4, answered %5)")
                                     .arg(task.windowName())
                                     .arg(square)
                                     .arg(picture)
                                     .arg(p)
                                     .arg(right ? QStringLiteral("right") : QStringLiteral("wrong"));
            StatTable expected = board->session().stats();
            expected.add(p, task.category, right ? 1 : 2);

            solvers.value(task.windowNumber)(*w, t, right);
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(QStringLiteral("the solver failed on %1").arg(what)));
            QVERIFY2(!w || !w->busy(),
                     qPrintable(QStringLiteral("still open after the answer: %1").arg(what)));
            answers.append({p, square, task.windowNumber, task.category, right});
            QVERIFY2(board->session().stats() == expected,
                     qPrintable(QStringLiteral("the answer was not counted as given: %1").arg(what)));
            settle();
            QVERIFY(!board->taskWindow());

            // The chip's move, then the finish window when the chip reached the end.
            for (int ms = 0; board->isMoving() && ms < 10000; ms += 100)
                t.clock.advance(100);
            QVERIFY(!board->isMoving());
            if (FinishWindow* form = board->finishWindow()) {
                QVERIFY(form->isVisible());
                QVERIFY(!board->isEnabled());
                QCOMPARE(board->session().game().players()[p - 1].square(), 33);
                QVERIFY(board->session().game().finished(p));
                finishes.append(
                    {form->nameLabel()->text(), shownPlace(*form), form->banner()->isVisibleTo(form)});
                form->close();
                settle();
                QVERIFY(!board->finishWindow());
            }
            QVERIFY(board->isEnabled());
        }
        QVERIFY2(board->session().game().finishedCount() == 3, "the game did not end within the turn limit");

        // Every task window was opened and answered.
        for (const TaskEntry& e : registeredTasks())
            QVERIFY2(opened.contains(e.task.windowNumber),
                     qPrintable(QStringLiteral("%1 never opened").arg(e.task.windowName())));
        QCOMPARE(opened.size(), 32);

        // Places 1, 2, 3 in the order of finishing, the banner for the winner only.
        QCOMPARE(finishes.size(), 3);
        QSet<QString> finishers;
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(finishes[i].place, i + 1);
            QCOMPARE(finishes[i].banner, i == 0);
            QVERIFY(kNames.contains(finishes[i].name));
            finishers.insert(finishes[i].name);
        }
        QCOMPARE(finishers.size(), 3);
        for (int p = 1; p <= 3; ++p) {
            QVERIFY(board->session().game().finished(p));
            QCOMPARE(board->session().game().players()[p - 1].square(), 33);
        }

        // The only message boxes of the game: the pyramid's give-up question and
        // the catch-the-balls result.
        const QStringList expectedTexts{QStringLiteral("Ви впевнені?"), QStringLiteral("Правильно"),
                                        QStringLiteral("Неправильно")};
        for (const Message& m : t.dialogs.asked())
            QVERIFY2(expectedTexts.contains(m.text),
                     qPrintable(QStringLiteral("unexpected message: ") + m.text));

        // The game is over: "Далі" stays disabled.
        QVERIFY(!board->nextButton()->isEnabled());
        QTest::mouseClick(board->nextButton(), Qt::LeftButton);
        QVERIFY(!board->taskWindow());
        QVERIFY(board->isEnabled());

        // The statistics hold exactly the answers given, each in its window's category.
        std::array<std::array<std::array<int, 2>, 7>, 3> counted{};
        std::array<std::array<int, 2>, 3> perPlayer{};
        for (const Answer& a : answers) {
            QCOMPARE(a.category, squareOfWindow(a.windowNumber)->category);
            ++counted[a.player - 1][a.category - 1][a.right ? 0 : 1];
            ++perPlayer[a.player - 1][a.right ? 0 : 1];
        }
        int categoriesWithBoth = 0;
        for (int c = 1; c <= 7; ++c) {
            bool rightSeen = false, wrongSeen = false;
            for (int p = 1; p <= 3; ++p) {
                QCOMPARE(int(board->session().stats().at(p, c, 1)), counted[p - 1][c - 1][0]);
                QCOMPARE(int(board->session().stats().at(p, c, 2)), counted[p - 1][c - 1][1]);
                rightSeen = rightSeen || counted[p - 1][c - 1][0] > 0;
                wrongSeen = wrongSeen || counted[p - 1][c - 1][1] > 0;
            }
            categoriesWithBoth += rightSeen && wrongSeen ? 1 : 0;
        }
        QVERIFY(categoriesWithBoth >= 5);
        for (int p = 1; p <= 3; ++p) {
            int right = 0, wrong = 0;
            for (int c = 1; c <= 7; ++c) {
                right += board->session().stats().at(p, c, 1);
                wrong += board->session().stats().at(p, c, 2);
            }
            QCOMPARE(right, perPlayer[p - 1][0]);
            QCOMPARE(wrong, perPlayer[p - 1][1]);
            QCOMPARE(right + wrong, tasks[p - 1]);
            QVERIFY(right > 0 && wrong > 0);
        }
        QCOMPARE(int(answers.size()), turns);

        // F2 shows the same counts in the statistics window.
        QTest::keyClick(board, Qt::Key_F2);
        QPointer<StatisticsWindow> stats = board->statisticsWindow();
        QVERIFY(stats);
        for (int p = 1; p <= 3; ++p) {
            QCOMPARE(stats->nameLabel(p)->text(), kNames[p - 1]);
            for (int c = 1; c <= 7; ++c)
                for (int kind = 1; kind <= 2; ++kind)
                    QCOMPARE(stats->countLabel(p, c, kind)->text(),
                             QString::number(counted[p - 1][c - 1][kind - 1]));
        }
        stats->close();
        settle();
        QVERIFY(board->isEnabled());

        // The results journal holds the same answers per pupil and category,
        // and every place.
        journal::JournalReader journal(journal::journalFileIn(t.ctx.folder.gamesRoot()));
        QCOMPARE(journal.problem(), journal::JournalReader::Problem::None);
        QCOMPARE(int(journal.games().size()), 1);
        QCOMPARE(journal.games()[0].names, kNames);
        std::array<std::array<std::array<int, 2>, 7>, 3> journalled{};
        for (const journal::CategoryCount& c : journal.categoryCounts(journal::TimeSpan{})) {
            const int p = int(kNames.indexOf(c.name)) + 1;
            QVERIFY2(p >= 1 && c.category >= 1 && c.category <= 7, qPrintable(c.name));
            journalled[p - 1][c.category - 1][c.right ? 0 : 1] += int(c.count);
        }
        QVERIFY(journalled == counted);
        for (const Finish& finish : finishes)
            QCOMPARE(journal.games()[0].places.at(int(kNames.indexOf(finish.name)) + 1), finish.place);

        // How often each window was answered right and wrong, for the log.
        QMap<int, std::pair<int, int>> perWindow;
        for (const Answer& a : answers)
            ++(a.right ? perWindow[a.windowNumber].first : perWindow[a.windowNumber].second);
        QString tally;
        for (auto it = perWindow.cbegin(); it != perWindow.cend(); ++it)
            tally += QStringLiteral(" %1:%2/%3").arg(it.key()).arg(it->first).arg(it->second);
        qInfo("window:right/wrong%s", qPrintable(tally));
        // A chip leaves an ordinary square only when its task is solved, so every
        // window's right answer has been played.
        for (const TaskEntry& e : registeredTasks())
            QVERIFY2(perWindow.value(e.task.windowNumber).first > 0,
                     qPrintable(QStringLiteral("%1 never answered right").arg(e.task.windowName())));
        qInfo("%d turns, %d answers wrong, %lld ms", turns,
              perPlayer[0][1] + perPlayer[1][1] + perPlayer[2][1], elapsed.elapsed());
    }
};

// A game saved, left and continued: the journal keeps one history per pupil,
// the continued game linked to the saved one.
class JournalContinuityTest : public QObject {
    Q_OBJECT
private slots:
    void savedLeftAndRestoredGameKeepsOneHistory() {
        TestContext tc(fakeCatalog());
        FakeRegistration reg;
        {
            BoardUnderTest board(tc, reg);
            board->startGame();
            play(tc, *board.board, true);  // Оля, square 1, category 4
            play(tc, *board.board, false); // Петро
            tc.dialogs.answer(MsgAnswer::Yes);
            tc.dialogs.answer(MsgAnswer::Ok);
            board->saveGame();
            QCOMPARE(board->session().folderName(), QStringLiteral("1"));
            tc.dialogs.answer(MsgAnswer::Yes);
            board->leaveBoard();
            settle();
            QCOMPARE(reg.returned, 1);
        }
        openSaved(tc, reg, QStringLiteral("1"));
        {
            BoardUnderTest board(tc, reg);
            QCOMPARE(board->session().currentPlayer(), 1);
            play(tc, *board.board, false); // Оля on square 2, category 3
            play(tc, *board.board, true);  // Петро on square 1, category 4
        }
        journal::JournalReader journal(journal::journalFileIn(tc.ctx.folder.gamesRoot()));
        QCOMPARE(journal.problem(), journal::JournalReader::Problem::None);
        QCOMPARE(int(journal.games().size()), 2);
        QCOMPARE(journal.games()[0].restoredFrom, QString());
        QCOMPARE(journal.games()[1].restoredFrom, QStringLiteral("1"));
        QCOMPARE(journal.games()[1].names, journal.games()[0].names);
        QCOMPARE(int(journal.saves().size()), 1);
        QCOMPARE(journal.saves()[0].gameId, journal.games()[0].id);
        QCOMPARE(journal.saves()[0].folder, QStringLiteral("1"));
        // Both games' answers under each pupil's name.
        const std::vector<journal::AnswerRow> olya = journal.answersOf({QStringLiteral("Оля")}, {});
        const std::vector<journal::AnswerRow> petro = journal.answersOf({QStringLiteral("Петро")}, {});
        QCOMPARE(int(olya.size()), 2);
        QCOMPARE(int(petro.size()), 2);
        QCOMPARE(olya[0].gameId == olya[1].gameId, false);
    }
};

ZORNA_TEST_CLASS(GameTest)
ZORNA_TEST_CLASS(JournalContinuityTest)
#include "game_test.moc"
