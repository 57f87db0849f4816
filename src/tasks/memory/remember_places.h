#pragma once

#include "tasks/memory/memory_tables.h"

#include <array>

namespace zorna {

class Rnd;

// Task 32 without its window: six items, each shown once in its own cell in a
// random order, then offered in a shuffled tray; the player puts every item
// back into the cell where it was shown. The show is counted in one-second
// ticks. Tables are indexed 1..6.
class RememberPlaces {
public:
    static constexpr int kItems = kPlaceItems;
    // One tick of the show: the cell that shows an item and that item, or
    // cell 0 when every cell is blank; `over` once the sixth item has gone,
    // so that the tray opens.
    struct ShowStep {
        int cell = 0;
        int item = 0;
        bool over = false;
    };

    // The draws of the opening, one table after the other: the place table, the
    // tray table and the show order, each a permutation of 1..6. The cells are
    // emptied and the show starts anew.
    void draw(Rnd& rnd);

    // Entry k (1..6) of the place table: the item that belongs in cell k.
    int placeOf(int k) const { return place_[k - 1]; }
    // Entry i of the tray table: the item in tray box i.
    int trayOf(int i) const { return tray_[i - 1]; }
    // Entry s of the show order: the cell shown at step s.
    int shownAt(int s) const { return order_[s - 1]; }
    // The item last dropped into cell k, 0 while empty.
    int placedIn(int k) const { return placed_[k - 1]; }
    // The item the pointer last moved over in the tray, 0 before any.
    int current() const { return current_; }

    // Item, blank, six times.
    ShowStep showTick();

    // The pointer moves over tray box i: its item becomes the current one.
    void pointAt(int box) { current_ = trayOf(box); }
    // A drop on cell k puts the current item there, replacing what it held.
    // Returns the item placed; 0 (nothing happens) before any item was current.
    int drop(int cell);
    // Every cell holds the item that was shown in it; an empty cell never does.
    bool allInPlace() const;

private:
    std::array<int, kItems> place_{};
    std::array<int, kItems> tray_{};
    std::array<int, kItems> order_{};
    std::array<int, kItems> placed_{};
    int current_ = 0;
    bool showNext_ = true;
    int step_ = 0;
};

} // namespace zorna
