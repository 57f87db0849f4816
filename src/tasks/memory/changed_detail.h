#pragma once

#include "tasks/memory/memory_tables.h"
#include "tasks/memory/tick_wait.h"

#include <QPoint>

#include <array>
#include <optional>

namespace zorna {

// The course of task 23 once its picture is drawn, counted in one-second
// ticks: thirty ticks of memorising while the bar of thirty blocks runs down,
// the blank picture on the next tick, two ticks of pause before the changed
// picture, the search without a time limit, and two ticks after a miss before
// the task ends unsolved.
class ChangedDetail {
public:
    static constexpr int kBarBlocks = 30;

    // Picture n (1..14) is shown; memorising begins.
    void begin(int picture);
    int picture() const { return picture_; }
    const ChangedRegion& region() const { return kChangedRegions[picture_ - 1]; }

    // A memorising tick: the bar block to hide (30 first, 1 last), or nothing
    // on the tick after the thirtieth, when the picture is blanked and the
    // pause begins.
    std::optional<int> memoriseTick();
    // A pause tick: true on the second, when the changed picture is shown.
    bool pauseTick();
    // A click in the search: a hit when strictly inside the changed region.
    bool hits(QPoint at) const { return region().hits(at.x(), at.y()); }
    // A miss (re)starts the wait.
    void miss() { missWait_.restart(); }
    // A tick of the wait after a miss: true on the second, when the task ends
    // unsolved.
    bool missWaitTick();

private:
    int picture_ = 1;
    int memorised_ = 0;
    TickWait pause_{1};
    TickWait missWait_{1};
};

} // namespace zorna
