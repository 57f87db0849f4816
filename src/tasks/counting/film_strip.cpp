#include "tasks/counting/film_strip.h"

#include <algorithm>

namespace zorna {

void FilmStrip::reset(const std::array<int, 4>& order) {
    order_ = order;
    filled_.fill(false);
    misplaced_ = false;
}

std::optional<int> FilmStrip::drop(int frame, QPoint pos) {
    const int x = pos.x();
    const int y = pos.y();
    if (x < kFilmDropLeft || x > kFilmDropRight || y < kFilmDropTop || y > kFilmDropBottom)
        return std::nullopt;
    for (int k = 1; k <= 4; ++k) {
        const FilmSlot& slot = kFilmSlots[k - 1];
        if (x < slot.xFrom || x > slot.xTo || y < kFilmSlotTop || y > kFilmSlotBottom || filled_[k - 1])
            continue;
        if (order_[frame - 1] != k)
            misplaced_ = true;
        filled_[k - 1] = true;
        return k;
    }
    return std::nullopt;
}

QPoint FilmStrip::framePosition(int slot, QSize frameSize) {
    const FilmSlot& s = kFilmSlots[slot - 1];
    return QPoint(s.xFrom + (s.width - frameSize.width()) / 2,
                  kFilmBandTop + (kFilmBandHeight - frameSize.height()) / 2);
}

bool FilmStrip::solved() const {
    return !misplaced_ && std::all_of(filled_.begin(), filled_.end(), [](bool f) { return f; });
}

} // namespace zorna
