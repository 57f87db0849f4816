#include "tasks/memory/remember_places.h"

#include "platform/distinct_draw.h"

namespace zorna {

void RememberPlaces::draw(Rnd& rnd) {
    drawDistinct(rnd, place_, kItems - 1, 1);
    drawDistinct(rnd, tray_, kItems - 1, 1);
    drawDistinct(rnd, order_, kItems - 1, 1);
    placed_.fill(0);
    showNext_ = true;
    step_ = 0;
}

RememberPlaces::ShowStep RememberPlaces::showTick() {
    if (showNext_) {
        ++step_;
        showNext_ = false;
        const int k = shownAt(step_);
        return {k, placeOf(k), false};
    }
    showNext_ = true;
    return {0, 0, step_ == kItems};
}

int RememberPlaces::drop(int cell) {
    if (current_ == 0)
        return 0;
    placed_[cell - 1] = current_;
    return current_;
}

bool RememberPlaces::allInPlace() const {
    for (int k = 1; k <= kItems; ++k)
        if (placedIn(k) != placeOf(k))
            return false;
    return true;
}

} // namespace zorna
