#include "board/board_model.h"

#include "platform/records.h"
#include "rules/chip_path.h"

#include <algorithm>

namespace zorna {

QPoint chipPosition(int player, int square) {
    const rules::ChipSpot spot = rules::chipSpot(player, square);
    return QPoint(spot.left, spot.top);
}

void ZapovnXY(PlayerRecords& records) {
    for (int p = 1; p <= 3; ++p) {
        for (int s = 1; s <= kCoordinateSquares; ++s) {
            const QPoint pos = chipPosition(p, s);
            records[p - 1].values[2 * (s - 1)] = qint16(pos.x());
            records[p - 1].values[2 * (s - 1) + 1] = qint16(pos.y());
        }
    }
}

std::optional<int> restingPicture(int square) {
    if ((square >= 1 && square <= 11) || (square >= 23 && square <= 33))
        return 1;
    if (square >= 12 && square <= 22)
        return 3;
    return std::nullopt;
}

std::optional<int> moveDirection(QPoint from, QPoint to) {
    if (from.y() == to.y() && from.x() != to.x())
        return from.x() < to.x() ? 1 : 2;
    if (from.x() == to.x() && from.y() != to.y())
        return to.y() < from.y() ? 3 : 4;
    return std::nullopt;
}

int movingPicture(int direction) {
    switch (direction) {
    case 1:
        return 1;
    case 2:
        return 3;
    case 3:
        return 4;
    default:
        return 2;
    }
}

MoveRule krokRule(int square, bool solved, bool slideBack) {
    const bool shortcut = square == 10 || square == 21;
    const bool slideSquare = square == 13 || square == 24;
    if (solved) {
        if (shortcut)
            return {square + 3, slideBack};
        return {square + 1, slideSquare ? false : slideBack};
    }
    if (shortcut)
        return {square + 1, slideBack};
    if (slideSquare) {
        if (slideBack)
            return {std::nullopt, true};
        return {square - 3, true};
    }
    return {std::nullopt, slideBack};
}

int nextPlayer(int current, int playerCount, const std::array<int, 3>& finished) {
    int next = current;
    for (int i = 0; i < playerCount; ++i) {
        next = next >= playerCount ? 1 : next + 1;
        if (finished[next - 1] == 0)
            return next;
    }
    return current; // everybody has finished: the turn stays
}

QByteArray StatTable::toBytes() const {
    RecordWriter w;
    for (qint16 v : values_)
        w.int16(v);
    return w.data();
}

std::optional<StatTable> StatTable::fromBytes(const QByteArray& bytes) {
    if (bytes.size() < 2 * kSize)
        return std::nullopt;
    RecordReader r(bytes);
    StatTable t;
    for (qint16& v : t.values_)
        v = std::max<qint16>(0, r.int16());
    return t;
}

QByteArray GameRecord::toBytes() const {
    RecordWriter w;
    w.int16(qint16(playerCount));
    for (int i = 0; i < 3; ++i)
        w.text(i < playerCount ? names[i].trimmed() : QString(), kNameWidth);
    for (int i = 0; i < 3; ++i) {
        if (i < playerCount) {
            for (qint16 v : players[i].values)
                w.int16(v);
        } else {
            w.zeros(2 * PlayerRecord::kSize);
        }
    }
    w.int16(qint16(numGr));
    return w.data();
}

std::optional<GameRecord> GameRecord::fromBytes(const QByteArray& bytes) {
    if (bytes.size() < kDataSize)
        return std::nullopt;
    RecordReader r(bytes.left(kDataSize));
    GameRecord g;
    g.playerCount = r.int16();
    for (QString& name : g.names) {
        name = r.text(kNameWidth);
        while (name.endsWith(QLatin1Char(' ')))
            name.chop(1);
    }
    for (PlayerRecord& p : g.players)
        for (qint16& v : p.values)
            v = r.int16();
    g.numGr = r.int16();
    if (!r.ok() || (g.playerCount != 2 && g.playerCount != 3))
        return std::nullopt;
    if (g.numGr < 1 || g.numGr > g.playerCount)
        return std::nullopt;
    for (int i = 0; i < g.playerCount; ++i)
        if (g.players[i].square() < 1 || g.players[i].square() > kFinishSquare)
            return std::nullopt;
    return g;
}

} // namespace zorna
