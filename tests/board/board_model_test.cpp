#include "board/board_model.h"
#include "support/test_registry.h"

#include <QTest>

using namespace zorna;

class BoardModelTest : public QObject {
    Q_OBJECT
private slots:
    void coordinates_data() {
        QTest::addColumn<int>("player");
        QTest::addColumn<int>("square");
        QTest::addColumn<QPoint>("pos");
        QTest::newRow("p1 s1") << 1 << 1 << QPoint(27, 8);
        QTest::newRow("p2 s1") << 2 << 1 << QPoint(27, 21);
        QTest::newRow("p3 s1") << 3 << 1 << QPoint(27, 34);
        QTest::newRow("p2 s11") << 2 << 11 << QPoint(747, 21);
        QTest::newRow("p2 s12") << 2 << 12 << QPoint(747, 93);
        QTest::newRow("p2 s22") << 2 << 22 << QPoint(27, 93);
        QTest::newRow("p2 s23") << 2 << 23 << QPoint(27, 165);
        QTest::newRow("p1 s33") << 1 << 33 << QPoint(747, 152);
        QTest::newRow("p3 s33") << 3 << 33 << QPoint(747, 178);
        QTest::newRow("p2 s34 below") << 2 << 34 << QPoint(747, 237);
        QTest::newRow("p2 s88") << 2 << 88 << QPoint(27, 525);
    }
    void coordinates() {
        QFETCH(int, player);
        QFETCH(int, square);
        QFETCH(QPoint, pos);
        PlayerRecords records{};
        records[0].setSquare(5);
        ZapovnXY(records);
        QCOMPARE(records[player - 1].chipAt(square), pos);
        // The current square and the reserved part are left alone.
        QCOMPARE(records[0].square(), 5);
        for (const PlayerRecord& r : records)
            for (int i = 176; i < 264; ++i)
                QCOMPARE(r.values[i], qint16(0));
    }

    void ladderAndPlankJoinNeighbours() {
        PlayerRecords records{};
        ZapovnXY(records);
        for (const PlayerRecord& r : records) {
            QCOMPARE(r.chipAt(10).x(), 675);
            QCOMPARE(r.chipAt(13).x(), 675);
            QCOMPARE(r.chipAt(13).y() - r.chipAt(10).y(), 72);
            QCOMPARE(r.chipAt(21).x(), 99);
            QCOMPARE(r.chipAt(24).x(), 99);
            // Every step along the path is one 72-pixel move along one axis.
            for (int s = 1; s < 33; ++s) {
                const QPoint d = r.chipAt(s + 1) - r.chipAt(s);
                QVERIFY(d.manhattanLength() == 72 && (d.x() == 0 || d.y() == 0));
            }
        }
    }

    void restingPictures_data() {
        QTest::addColumn<int>("square");
        QTest::addColumn<int>("picture"); // 0: unchanged
        QTest::newRow("1") << 1 << 1;
        QTest::newRow("11") << 11 << 1;
        QTest::newRow("12") << 12 << 3;
        QTest::newRow("22") << 22 << 3;
        QTest::newRow("23") << 23 << 1;
        QTest::newRow("33") << 33 << 1;
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("34") << 34 << 0;
    }
    void restingPictures() {
        QFETCH(int, square);
        QFETCH(int, picture);
        QCOMPARE(restingPicture(square).value_or(0), picture);
    }

    void moves() {
        QCOMPARE(moveDirection({27, 21}, {99, 21}), std::optional<int>(1));
        QCOMPARE(moveDirection({99, 93}, {27, 93}), std::optional<int>(2));
        QCOMPARE(moveDirection({675, 93}, {675, 21}), std::optional<int>(3));
        QCOMPARE(moveDirection({675, 21}, {675, 93}), std::optional<int>(4));
        QCOMPARE(moveDirection({1, 1}, {2, 2}), std::nullopt);
        QCOMPARE(moveDirection({1, 1}, {1, 1}), std::nullopt);
        QCOMPARE(movingPicture(1), 1);
        QCOMPARE(movingPicture(2), 3);
        QCOMPARE(movingPicture(3), 4);
        QCOMPARE(movingPicture(4), 2);
    }

    void statTableOrder() {
        StatTable t;
        t.add(2, 3, 1);
        t.add(3, 7, 2);
        t.add(3, 7, 2);
        const QByteArray b = t.toBytes();
        QCOMPARE(b.size(), 84);
        // (P-1) + 3(C-1) + 21(K-1), two bytes each, little-endian.
        QCOMPARE(b.mid(2 * 7, 2), QByteArray("\x01\x00", 2));
        QCOMPARE(b.mid(2 * 41, 2), QByteArray("\x02\x00", 2));
        QCOMPARE(b.count('\0'), 84 - 2);
        QCOMPARE(StatTable::fromBytes(b + "x"), std::optional<StatTable>(t));
        QVERIFY(!StatTable::fromBytes(b.left(83)));
    }

    void gameRecordRejectsImpossibleGames_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("square1");
        QTest::addColumn<int>("square2");
        QTest::addColumn<int>("numGr");
        QTest::addColumn<bool>("valid");
        QTest::newRow("fine") << 2 << 1 << 33 << 2 << true;
        QTest::newRow("count 1") << 1 << 1 << 1 << 1 << false;
        QTest::newRow("count 4") << 4 << 1 << 1 << 1 << false;
        QTest::newRow("square 0") << 2 << 0 << 1 << 1 << false;
        QTest::newRow("square 34") << 2 << 1 << 34 << 1 << false;
        QTest::newRow("square -1") << 3 << -1 << 1 << 1 << false;
        QTest::newRow("turn 0") << 2 << 1 << 1 << 0 << false;
        QTest::newRow("turn 3 of 2") << 2 << 1 << 1 << 3 << false;
    }
    void gameRecordRejectsImpossibleGames() {
        QFETCH(int, count);
        QFETCH(int, square1);
        QFETCH(int, square2);
        QFETCH(int, numGr);
        QFETCH(bool, valid);
        GameRecord g;
        g.playerCount = 3; // all three records filled, then the count overwritten
        g.names = {QStringLiteral("А"), QStringLiteral("Б"), QStringLiteral("В")};
        ZapovnXY(g.players);
        g.players[0].setSquare(square1);
        g.players[1].setSquare(square2);
        g.players[2].setSquare(1);
        g.numGr = numGr;
        QByteArray bytes = g.toBytes();
        bytes[0] = char(count);
        QCOMPARE(GameRecord::fromBytes(bytes).has_value(), valid);
        QVERIFY(!GameRecord::fromBytes(bytes.left(1743)));
    }
};

ZORNA_TEST_CLASS(BoardModelTest)
#include "board_model_test.moc"
