#pragma once

#include <QPoint>
#include <QString>

#include <array>
#include <optional>

namespace zorna {

// Squares of the path: 1 is the start, 33 the finish.
inline constexpr int kFinishSquare = 33;
inline constexpr int kCoordinateSquares = 88;

// One player's record as the game keeps and stores it: 88 coordinate pairs
// (Left, Top of the chip in pixels), 88 reserved zeros, the current square.
struct PlayerRecord {
    static constexpr int kSize = 265;
    static constexpr int kSquareIndex = 264;
    std::array<qint16, kSize> values{};

    int square() const { return values[kSquareIndex]; }
    void setSquare(int s) { values[kSquareIndex] = qint16(s); }
    // Chip position on square s (1..88).
    QPoint chipAt(int s) const { return QPoint(values[2 * (s - 1)], values[2 * (s - 1) + 1]); }
};

using PlayerRecords = std::array<PlayerRecord, 3>;

// Fills the coordinate pairs of all three records; current squares stay.
void ZapovnXY(PlayerRecords& records);
// Chip position of player p (1..3) on square s (1..88), as ZapovnXY computes it.
QPoint chipPosition(int player, int square);

// Resting picture number of a chip on a square: 1 on the top and bottom
// lanes, 3 on the middle lane, nothing for a square off the path.
std::optional<int> restingPicture(int square);

// Direction of a one-step move: 1 right, 2 left, 3 up, 4 down; nothing when
// the move is not along one axis.
std::optional<int> moveDirection(QPoint from, QPoint to);
// Picture number of a moving chip: right 1, left 3, up 4, down 2.
int movingPicture(int direction);

// Outcome of a task for the chip: the square it goes to (nullopt: it stays)
// and the player's slide-back flag afterwards.
struct MoveRule {
    std::optional<int> newSquare;
    bool slideBack;
};
// Squares 10 and 21 are the shortcuts (ladder and plank), 13 and 24 the
// slide-back squares.
MoveRule krokRule(int square, bool solved, bool slideBack);

// The next player after `current` who has not finished; `finished` is indexed
// by player - 1. Needs at least one player still playing.
int nextPlayer(int current, int playerCount, const std::array<int, 3>& finished);

// Answers counted per player (1..3), category (1..7) and kind (1 correct,
// 2 incorrect), in the order statist.dat stores them. A count stays within
// 0..32767: it stops at the top instead of wrapping.
class StatTable {
public:
    static constexpr int kSize = 42;
    static constexpr qint16 kMaxCount = 32767;
    static int index(int player, int category, int kind) {
        return (player - 1) + 3 * (category - 1) + 21 * (kind - 1);
    }
    qint16 at(int player, int category, int kind) const { return values_[index(player, category, kind)]; }
    void add(int player, int category, int kind) {
        qint16& count = values_[index(player, category, kind)];
        if (count < kMaxCount)
            ++count;
    }
    void clear() { values_.fill(0); }
    // Calls f(player, category, kind, count) for every cell: players 1..3,
    // categories 1..7, kinds 1 (right) and 2 (wrong).
    template <class F> void forEach(F&& f) const {
        for (int player = 1; player <= 3; ++player)
            for (int category = 1; category <= 7; ++category)
                for (int kind = 1; kind <= 2; ++kind)
                    f(player, category, kind, int(at(player, category, kind)));
    }

    QByteArray toBytes() const;
    // The first 84 bytes; nothing when there are fewer. A negative count (a
    // damaged file) reads as 0.
    static std::optional<StatTable> fromBytes(const QByteArray& bytes);

    bool operator==(const StatTable&) const = default;

private:
    std::array<qint16, kSize> values_{};
};

// The game record of date.dat.
struct GameRecord {
    static constexpr int kDataSize = 1744;
    static constexpr int kNameWidth = 50;

    int playerCount = 2;
    std::array<QString, 3> names; // as stored, without the padding
    PlayerRecords players;
    int numGr = 1;

    // The record's bytes, names trimmed and cut to 50 bytes of Windows-1251.
    QByteArray toBytes() const;
    // Nothing when the bytes are too few or hold a game that cannot be played
    // (count not 2 or 3, a square outside 1..33, a turn outside 1..count).
    static std::optional<GameRecord> fromBytes(const QByteArray& bytes);
};

} // namespace zorna
