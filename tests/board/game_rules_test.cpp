#include "board/game.h"
#include "support/test_registry.h"

#include <QTest>

using namespace zorna;

namespace {

// A game restored from a record with the given squares and turn.
Game restored(const QList<int>& squares, int numGr, const StatTable& stats = StatTable()) {
    GameRecord record;
    record.playerCount = int(squares.size());
    for (int p = 0; p < squares.size(); ++p)
        record.players[p].setSquare(squares[p]);
    record.numGr = numGr;
    Game game(record.playerCount);
    game.restore(record, stats);
    return game;
}

// One answer of the current player; a chip that moves arrives at once.
std::optional<int> answer(Game& game, bool solved, int category = 4) {
    const std::optional<int> square = game.applyResult(solved, category);
    if (square)
        game.arrive();
    return square;
}

} // namespace

class GameRulesTest : public QObject {
    Q_OBJECT
private slots:
    void newGame() {
        Game game(3);
        game.newGame();
        game.start();
        QCOMPARE(game.numGr(), 1);
        for (int p = 1; p <= 3; ++p) {
            QCOMPARE(game.square(p), 1);
            QCOMPARE(game.chipAt(p, 1), chipPosition(p, 1));
            QVERIFY(!game.finished(p));
            QVERIFY(!game.slideBack(p));
        }
        QCOMPARE(game.stats(), StatTable());
        QVERIFY(!game.over());
    }

    // Player 1 answers from a square while player 2 fails every turn on square 5.
    void moves_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<QList<int>>("squares"); // player 1's square after each answer
        QTest::addColumn<bool>("slideBack");     // player 1's flag at the end
        QTest::newRow("ordinary solved") << 5 << QList<bool>{true} << QList<int>{6} << false;
        QTest::newRow("ordinary failed") << 5 << QList<bool>{false} << QList<int>{5} << false;
        QTest::newRow("down the ladder") << 10 << QList<bool>{true} << QList<int>{13} << false;
        QTest::newRow("past the ladder") << 10 << QList<bool>{false} << QList<int>{11} << false;
        QTest::newRow("down the plank") << 21 << QList<bool>{true} << QList<int>{24} << false;
        QTest::newRow("past the plank") << 21 << QList<bool>{false} << QList<int>{22} << false;
        QTest::newRow("13: back once, then stays, then on")
            << 13 << QList<bool>{false, true, false, false, true} << QList<int>{10, 13, 13, 13, 14} << false;
        QTest::newRow("24: back once, then stays")
            << 24 << QList<bool>{false, true, false} << QList<int>{21, 24, 24} << true;
        QTest::newRow("flag kept past the ladder and ordinary squares")
            << 13 << QList<bool>{false, false, true} << QList<int>{10, 11, 12} << true;
        QTest::newRow("flag kept when failing on an ordinary square")
            << 13 << QList<bool>{false, false, false, true} << QList<int>{10, 11, 11, 12} << true;
        QTest::newRow("24 solved without the flag") << 24 << QList<bool>{true} << QList<int>{25} << false;
    }
    void moves() {
        QFETCH(int, start);
        QFETCH(QList<bool>, answers);
        QFETCH(QList<int>, squares);
        QFETCH(bool, slideBack);
        Game game = restored({start, 5}, 1);
        for (int i = 0; i < answers.size(); ++i) {
            const int before = game.square(1);
            const std::optional<int> moved = answer(game, answers[i]);
            QCOMPARE(game.square(1), squares[i]);
            QCOMPARE(moved.has_value(), squares[i] != before);
            QCOMPARE(game.numGr(), 2);
            QVERIFY(!answer(game, false));
            QCOMPARE(game.numGr(), 1);
        }
        QCOMPARE(game.slideBack(1), slideBack);
        QVERIFY(!game.slideBack(2));
    }

    void theMovedSquareIsTheNewOneBeforeTheChipArrives() {
        Game game = restored({10, 5}, 1);
        QCOMPARE(game.applyResult(true, 2), std::optional<int>(13));
        // The chip is still on its way: the turn stays until it arrives.
        QCOMPARE(game.square(1), 13);
        QCOMPARE(game.numGr(), 1);
        QCOMPARE(game.arrive(), std::nullopt);
        QCOMPARE(game.numGr(), 2);
    }

    void finishingGivesPlacesInOrder() {
        Game game = restored({32, 32, 32}, 1);
        for (int place = 1; place <= 3; ++place) {
            QCOMPARE(game.numGr(), place);
            QCOMPARE(game.applyResult(true, 7), std::optional<int>(33));
            QCOMPARE(game.arrive(), std::optional<int>(place));
            QVERIFY(game.finished(place));
            QCOMPARE(game.finishedCount(), place);
            QCOMPARE(game.over(), place == 3);
        }
        // The game is over: the turn stays with the last player.
        QCOMPARE(game.numGr(), 3);
    }

    void finishedPlayersAreSkipped_data() {
        QTest::addColumn<QList<int>>("squares");
        QTest::addColumn<int>("numGr");
        QTest::addColumn<QList<int>>("turns"); // after the restore, then after each failed answer
        QTest::newRow("three, 2 finished") << QList<int>{5, 33, 5} << 1 << QList<int>{1, 3, 1, 3};
        QTest::newRow("turn of a finished player passes on")
            << QList<int>{33, 5, 6} << 1 << QList<int>{2, 3, 2};
        QTest::newRow("last one of three left") << QList<int>{33, 7, 33} << 3 << QList<int>{2, 2, 2};
        QTest::newRow("two, 1 finished") << QList<int>{33, 5} << 2 << QList<int>{2, 2};
        QTest::newRow("two, nobody finished") << QList<int>{4, 5} << 2 << QList<int>{2, 1, 2};
        QTest::newRow("three, nobody finished") << QList<int>{4, 5, 6} << 3 << QList<int>{3, 1, 2, 3};
    }
    void finishedPlayersAreSkipped() {
        QFETCH(QList<int>, squares);
        QFETCH(int, numGr);
        QFETCH(QList<int>, turns);
        Game game = restored(squares, numGr);
        QCOMPARE(game.numGr(), turns[0]);
        for (int i = 1; i < turns.size(); ++i) {
            QVERIFY(!answer(game, false));
            QCOMPARE(game.numGr(), turns[i]);
        }
    }

    void restoredFinishedGameKeepsItsTurn() {
        Game game = restored({33, 33, 33}, 2);
        QVERIFY(game.over());
        QCOMPARE(game.finishedCount(), 3);
        QCOMPARE(game.numGr(), 2);
    }

    void everyAnswerIsCounted() {
        Game game = restored({5, 5}, 1);
        answer(game, true, 3);  // player 1: 5 -> 6
        answer(game, false, 7); // player 2 stays
        answer(game, false, 3); // player 1 stays
        answer(game, true, 3);  // player 2: 5 -> 6
        // A category outside 1..7 is not counted; the move still happens.
        QCOMPARE(answer(game, true, 0), std::optional<int>(7));
        QCOMPARE(answer(game, true, 8), std::optional<int>(7));
        StatTable expected;
        expected.add(1, 3, 1);
        expected.add(1, 3, 2);
        expected.add(2, 7, 2);
        expected.add(2, 3, 1);
        QCOMPARE(game.stats(), expected);
    }

    void saveAndReopen_data() {
        QTest::addColumn<int>("count");
        QTest::newRow("two players") << 2;
        QTest::newRow("three players") << 3;
    }
    void saveAndReopen() {
        QFETCH(int, count);
        Game game(count);
        game.newGame();
        game.start();
        // Player 1 moves on, player 2 fails, player 3 (if any) moves on.
        answer(game, true, 4);
        answer(game, false, 3);
        if (count == 3)
            answer(game, true, 2);
        const QByteArray date =
            game.record({QStringLiteral("  Оля "), QStringLiteral("Петро"), QStringLiteral("Іра")}).toBytes();
        const QByteArray statist = game.stats().toBytes();
        QCOMPARE(date.size(), GameRecord::kDataSize);
        if (count == 2)
            QCOMPARE(date.mid(1212, 530), QByteArray(530, '\0'));

        const std::optional<GameRecord> record = GameRecord::fromBytes(date);
        QVERIFY(record);
        QCOMPARE(record->names[0], QStringLiteral("Оля"));
        Game reopened(count);
        reopened.restore(*record, StatTable::fromBytes(statist).value());
        QCOMPARE(reopened.numGr(), game.numGr());
        QCOMPARE(reopened.stats(), game.stats());
        for (int p = 1; p <= count; ++p) {
            QCOMPARE(reopened.square(p), game.square(p));
            QCOMPARE(reopened.chipAt(p, reopened.square(p)), chipPosition(p, game.square(p)));
            QCOMPARE(reopened.finished(p), game.finished(p));
        }
    }

    void reopenClearsSlideBackAndRecomputesCoordinates() {
        Game game = restored({13, 5}, 1);
        answer(game, false, 6);
        QVERIFY(game.slideBack(1));
        GameRecord record = game.record({QStringLiteral("А"), QStringLiteral("Б"), QString()});
        record.players[0].values[0] = 999; // stored pairs are not used
        // Restored over the game that holds the flag.
        Game reopened = game;
        reopened.restore(record, game.stats());
        QVERIFY(!reopened.slideBack(1));
        QCOMPARE(reopened.square(1), 10);
        QCOMPARE(reopened.chipAt(1, 1), chipPosition(1, 1));
        QCOMPARE(reopened.numGr(), 2);
        // The flag is gone: failing on 13 again slides back once more, where
        // the game before the save would have kept the chip there.
        answer(reopened, false);
        answer(reopened, true, 2); // 10 -> 13
        answer(reopened, false);
        QCOMPARE(answer(reopened, false), std::optional<int>(10));
    }
};

ZORNA_TEST_CLASS(GameRulesTest)
#include "game_rules_test.moc"
