#pragma once

#include "platform/clock.h"

#include <memory>

namespace zorna {

// Virtual time for tests: advance() fires every due tick in time order
// (ties in the order the timers were enabled), without waiting.
class VirtualClock : public Clock {
public:
    VirtualClock();
    ~VirtualClock() override;

    std::unique_ptr<Timer> createTimer(int intervalMs, Timer::Tick onTick) override;
    qint64 nowMs() const override;

    void advance(qint64 ms);
    // Number of enabled timers; handy to check that a window stopped its timers.
    int enabledTimerCount() const;

    struct State;

private:
    std::shared_ptr<State> state_;
};

} // namespace zorna
