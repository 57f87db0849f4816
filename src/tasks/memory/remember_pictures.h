#pragma once

#include "tasks/memory/memory_tables.h"
#include "tasks/memory/tick_wait.h"

#include <array>

namespace zorna {

class Rnd;

// Task 28 without its window: nine different pictures of a pool of 36, each
// offered in its own cell of a 3 x 3 grid; the first four are shown one by one
// in the centre cell before the grid fills, and the player has to pick those
// four. The pause and the show are counted in one-second ticks.
class RememberPictures {
public:
    static constexpr int kColumns = 9;
    static constexpr int kRemembered = 4;
    enum class Choice { Wait, Solved, Failed };
    // One tick of the show: the picture the centre cell shows (0 for blank)
    // and whether the show is over, so that the grid fills.
    struct ShowStep {
        int picture = 0;
        bool over = false;
    };

    // The draws of the opening: nine different picture numbers (1..36), then
    // the cells (1..9) as a permutation; the pause and the clicks start anew.
    void draw(Rnd& rnd);
    // Column j = 1..9: picture number and grid cell; columns 1..4 are remembered.
    int pictureOf(int j) const { return pictures_[j - 1]; }
    int cellOf(int j) const { return cells_[j - 1]; }

    // A tick of the pause before the show: true on the third, when it begins.
    bool pauseTick();
    // The show begins with the centre cell blank.
    void startShow();
    // Picture, blank, four times; the grid comes with the last blank.
    ShowStep showTick();

    // A click on a cell of the grid: counted; a cell that holds no remembered
    // picture fails at once, the fourth click on remembered ones solves.
    Choice choose(int cell);
    int clicks() const { return clicks_; }

private:
    std::array<int, kColumns> pictures_{};
    std::array<int, kColumns> cells_{};
    TickWait pause_{2};
    int shown_ = 0;
    bool showNext_ = true;
    int clicks_ = 0;
};

} // namespace zorna
