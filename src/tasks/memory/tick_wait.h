#pragma once

namespace zorna {

// A wait of a fixed number of one-second ticks: each of its ticks is counted,
// the tick after the last says that it is over.
class TickWait {
public:
    explicit constexpr TickWait(int ticks) : ticks_(ticks) {}

    void restart() { waited_ = 0; }
    // True when the wait was already over before this tick.
    bool tick() {
        if (waited_ < ticks_) {
            ++waited_;
            return false;
        }
        return true;
    }

private:
    int ticks_;
    int waited_ = 0;
};

} // namespace zorna
