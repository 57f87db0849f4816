#include "tasks/reaction/reaction_rules.h"

#include "platform/rnd.h"

namespace zorna::reaction {

namespace {
// A broken generator must not hang the window: after this many draws that
// change nothing the first acceptable candidate is taken.
constexpr int kMaxRejections = 10000;
} // namespace

int appleNeighbour(int cell, int direction) {
    int next = cell;
    switch (direction) {
    case 1:
        next = cell - 1;
        break;
    case 2:
        next = cell + 1;
        break;
    case 3:
        next = cell - kAppleColumns;
        break;
    case 4:
        next = cell + kAppleColumns;
        break;
    default:
        break;
    }
    return (next < 1 || next > kAppleCells) ? cell : next;
}

int appleStep(int cell, Rnd& rnd) {
    for (int attempt = 0; attempt < kMaxRejections; ++attempt) {
        const int next = appleNeighbour(cell, rnd.draw(3, 1));
        if (next != cell)
            return next;
    }
    for (int d = 1; d <= 4; ++d)
        if (appleNeighbour(cell, d) != cell)
            return appleNeighbour(cell, d);
    return cell;
}

int appleCellLeftTw(int cell) {
    return 240 + 480 * ((cell - 1) % kAppleColumns);
}
int appleCellTopTw(int cell) {
    return 1560 + 480 * ((cell - 1) / kAppleColumns);
}

bool CartTrip::step() {
    if (left_ < 2)
        direction_ = -1;
    left_ -= kCartStep * direction_;
    return left_ == home_;
}

bool CartBalls::anyInField() const {
    for (bool in : inField_)
        if (in)
            return true;
    return false;
}

bool CartBalls::drawNext(Rnd& rnd) {
    if (!anyInField())
        return false;
    rnd.randomize();
    for (int attempt = 0; attempt < 10000; ++attempt) {
        const int drawn = rnd.draw(4, 0);
        if (inField_[drawn]) {
            inPlay_ = drawn;
            return true;
        }
    }
    for (int i = 0; i < kCartBalls; ++i)
        if (inField_[i]) {
            inPlay_ = i;
            break;
        }
    return true;
}

bool cartCatches(int cartLeft, int cartWidth, int column, int cartTop, int ballTop) {
    const int bottom = ballTop + kBallSize;
    return cartLeft + cartWidth > column + 8 && cartLeft <= column - 8 && cartTop <= bottom &&
           bottom <= cartTop + 4;
}

int chuteOfBall(int ball) {
    return (ball - 1) / kBallsPerChute + 1;
}

int chuteOfKey(int keyCode) {
    for (int c = 0; c < int(kChutes.size()); ++c)
        if (kChutes[c].key == keyCode)
            return c + 1;
    return 0;
}

BallStep stepBall(int& top, int chute, int lastKey) {
    if (top >= kBallLostTop)
        return BallStep::Lost;
    top += kBallFallStep;
    const Chute& c = kChutes[chute - 1];
    if (top >= c.bandLow && top <= c.bandHigh && lastKey == c.key)
        return BallStep::Caught;
    return BallStep::Falling;
}

namespace {

// A chute key's letter on a Latin layout and the Cyrillic letter on the same key.
struct ChuteLetter {
    char16_t latin;
    char16_t cyrillic;
    int key;
};
constexpr std::array<ChuteLetter, 4> kChuteLetters{{
    {u'V', u'\u041C', kKeyV}, // М
    {u'B', u'\u0418', kKeyB}, // И
    {u'N', u'\u0422', kKeyN}, // Т
    {u'M', u'\u042C', kKeyM}, // Ь
}};

// Qt's key code of a chute letter typed on a Latin or a Cyrillic layout.
int chuteKeyOfCharacter(QChar c) {
    const char16_t upper = c.toUpper().unicode();
    for (const ChuteLetter& letter : kChuteLetters)
        if (upper == letter.latin || upper == letter.cyrillic)
            return letter.key;
    return 0;
}

int chuteKeyOfScanCode(quint32 scanCode, ScanCodes set) {
    // The V, B, N and M keys lie side by side on the bottom letter row.
    quint32 first = 0;
    if (set == ScanCodes::Xkb)
        first = 55; // evdev 47 + 8
    else if (set == ScanCodes::Windows)
        first = 0x2f;
    else
        return 0;
    if (scanCode < first || scanCode > first + 3)
        return 0;
    static constexpr int keys[] = {kKeyV, kKeyB, kKeyN, kKeyM};
    return keys[scanCode - first];
}

} // namespace

int chuteKeyOfPress(int qtKey, const QString& text, quint32 nativeVirtualKey, quint32 nativeScanCode,
                    ScanCodes scanCodes) {
    if (qtKey > 0 && qtKey <= 0xffff) {
        if (const int k = chuteKeyOfCharacter(QChar(char16_t(qtKey))))
            return k;
    }
    if (text.size() == 1) {
        if (const int k = chuteKeyOfCharacter(text.at(0)))
            return k;
    }
    if (chuteOfKey(int(nativeVirtualKey)) != 0)
        return int(nativeVirtualKey);
    return chuteKeyOfScanCode(nativeScanCode, scanCodes);
}

} // namespace zorna::reaction
