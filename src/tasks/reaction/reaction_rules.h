#pragma once

#include <QString>

#include <array>

namespace zorna {

class Rnd;

// Movement rules of the three reaction tasks, free of widgets so that tests
// can call them directly.
namespace reaction {

// ---- Hit the apple: an 8 x 8 board of cells 1..64, numbered row by row ----

inline constexpr int kAppleCells = 64;
inline constexpr int kAppleColumns = 8;

// The cell one step from `cell` in direction d (1 left, 2 right, 3 up, 4 down).
// Left and right change the number by one, so the apple wraps into the
// neighbouring row at the sides; a step off the top or the bottom of the board
// leaves the apple where it was.
int appleNeighbour(int cell, int direction);
// One move of the apple: directions are drawn (r * 3 + 1, halves to even) until
// the apple has left its cell.
int appleStep(int cell, Rnd& rnd);
// A cell is a square of this side with a one-pixel frame; the apple pictures
// "kletka26/apple.jpg" and the hit frames "apple<1..9>.jpg" fill its inside.
inline constexpr int kAppleCellTwips = 495;
inline constexpr int kAppleHitFrames = 9;
// Cell geometry in twips: Left, Top of cell n.
int appleCellLeftTw(int cell);
int appleCellTopTw(int cell);

// ---- Cart and balls ----

inline constexpr int kCartBalls = 5;
// The cart's box, "kletka30/telega.gif", in twips.
inline constexpr int kCartWidthTwips = 735;
inline constexpr int kCartHeightTwips = 615;
// Left of each ball's column, in pixels, by ball index 0..4.
inline constexpr std::array<int, kCartBalls> kBallColumns{64, 152, 264, 376, 472};
inline constexpr std::array<int, kCartBalls> kBallTops{8, 40, 72, 40, 8};
inline constexpr int kBallSize = 17;
// A ball whose top reaches this has fallen out of the field.
inline constexpr int kBallOutTop = 384;
// Where a ball is put when the cart comes home.
inline constexpr int kBallParkedTop = 400;
inline constexpr int kBallStep = 2;
inline constexpr int kCartStep = 5;
inline constexpr int kCaughtBallColumn = -10;
inline constexpr int kCatchesToWin = 3;

// One trip of the cart: 5 pixels a step to the left until its Left is below 2,
// then back home at the same speed.
class CartTrip {
public:
    explicit CartTrip(int home) : home_(home), left_(home) {}
    // One step; true when the cart is home again.
    bool step();
    int left() const { return left_; }
    int home() const { return home_; }
    int direction() const { return direction_; }

private:
    int home_;
    int left_;
    int direction_ = 1;
};

// The five balls of the cart game without their widgets: which are still in
// the field, which one is in play, how many have been released and caught.
class CartBalls {
public:
    // A new game: every ball in the field, the given one in play.
    explicit CartBalls(int inPlay = 0) : inPlay_(inPlay) {}

    bool inField(int ball) const { return inField_[ball]; }
    bool anyInField() const;
    // A ball leaves the field: fallen out, caught, or taken away by the cart.
    void remove(int ball) { inField_[ball] = false; }
    int inPlay() const { return inPlay_; }
    // Draws the next ball in play (r * 4 rounded, halves to even) among those
    // still in the field; false when none is left. A source that keeps drawing
    // removed balls gives up after a bound and takes the first ball left.
    bool drawNext(Rnd& rnd);

    void release() { ++released_; }
    int released() const { return released_; }
    bool allReleased() const { return released_ >= kCartBalls; }
    void addCatch() { ++caught_; }
    int caught() const { return caught_; }
    bool won() const { return caught_ >= kCatchesToWin; }

private:
    std::array<bool, kCartBalls> inField_{true, true, true, true, true};
    int inPlay_ = 0;
    int released_ = 0;
    int caught_ = 0;
};

// The catch test: the cart lies under the ball's column and the ball's lower
// edge is within 4 pixels below the cart's top.
bool cartCatches(int cartLeft, int cartWidth, int column, int cartTop, int ballTop);

// ---- Catch the balls: twenty balls, four chutes ----

inline constexpr int kChuteBalls = 20;
inline constexpr int kBallsPerChute = 5;
inline constexpr int kBallStartTop = 56; // pixels
inline constexpr int kBallFallStep = 10;
inline constexpr int kBallLostTop = 245;
inline constexpr int kCatchesToPass = 15;

inline constexpr int kKeyV = 86;
inline constexpr int kKeyB = 66;
inline constexpr int kKeyN = 78;
inline constexpr int kKeyM = 77;

struct Chute {
    int key;     // key code of the chute's key
    int picture; // n of "kletka32/kolobok<n>.bmp", the net under this chute
    int bandLow; // catch band of a ball's Top, pixels, both bounds inclusive
    int bandHigh;
    int leftTw; // Left of the chute's mouth and balls, twips
};

inline constexpr std::array<Chute, 4> kChutes{{
    {kKeyV, 1, 208, 216, 1560},
    {kKeyB, 4, 200, 208, 1920},
    {kKeyN, 3, 200, 208, 3840},
    {kKeyM, 2, 208, 216, 4200},
}};

// Chute 1..4 of ball 1..20.
int chuteOfBall(int ball);
// Chute 1..4 of a chute key code, 0 for any other code.
int chuteOfKey(int keyCode);

enum class BallStep { Falling, Caught, Lost };
// One 500 ms step of a ball of `chute`: lost when its Top is already 245 or
// more; otherwise it drops 10 pixels and is caught when its new Top lies in the
// chute's band while the net is under that chute (lastKey).
BallStep stepBall(int& top, int chute, int lastKey);

// Which physical keys a platform reports as native scan codes.
enum class ScanCodes { None, Xkb, Windows };
// The chute key (86 V, 66 B, 78 N, 77 M) a key press stands for, or 0. The
// letter is recognised by Qt's key code, by the typed text in either letter
// case (Latin v b n m, or м и т ь that a Ukrainian layout types on those keys),
// by the native virtual key, and by the physical key's scan code.
int chuteKeyOfPress(int qtKey, const QString& text, quint32 nativeVirtualKey, quint32 nativeScanCode,
                    ScanCodes scanCodes);

} // namespace reaction
} // namespace zorna
