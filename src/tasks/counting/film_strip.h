#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <array>
#include <optional>

namespace zorna {

// One window of the film strip, in pixels of the client area.
struct FilmSlot {
    int xFrom, xTo; // accepted drop X, inclusive
    int width;      // width used to centre the frame
};
inline constexpr std::array<FilmSlot, 4> kFilmSlots{{
    {43, 212, 168},
    {211, 380, 168},
    {379, 548, 169},
    {547, 716, 169},
}};
// Drops outside this area (inclusive) miss the strip.
inline constexpr int kFilmDropLeft = 40, kFilmDropRight = 713, kFilmDropTop = 120, kFilmDropBottom = 233;
// The windows take drops from this Y on, and their frames are centred in this band.
inline constexpr int kFilmSlotTop = 122, kFilmSlotBottom = 235;
inline constexpr int kFilmBandTop = 121, kFilmBandHeight = 113;

// The film task without widgets: four frames, each showing one story position,
// dropped onto the strip's four windows. A window takes one frame; a frame in
// a window other than its story position makes the answer wrong.
class FilmStrip {
public:
    // A new round: frame j (1..4) shows story position order[j - 1]; every window is empty.
    void reset(const std::array<int, 4>& order);

    // Frame j dropped at pos: the window it lands in (1..4), or nothing when
    // the drop misses the strip or every window under it is taken.
    std::optional<int> drop(int frame, QPoint pos);

    // Top-left of a frame of the given size placed in window k.
    static QPoint framePosition(int slot, QSize frameSize);

    int order(int frame) const { return order_[frame - 1]; }
    bool filled(int slot) const { return filled_[slot - 1]; }
    // A frame has been dropped in a window other than its story position.
    bool misplaced() const { return misplaced_; }
    // Every window holds the frame of its story position.
    bool solved() const;

private:
    std::array<int, 4> order_{};
    std::array<bool, 4> filled_{};
    bool misplaced_ = false;
};

} // namespace zorna
