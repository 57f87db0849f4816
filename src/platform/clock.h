#pragma once

#include <QtGlobal>

#include <functional>
#include <memory>

namespace zorna {

// An interval timer as the windows use it: it ticks every interval() ms while
// enabled. Enabling an enabled timer changes nothing; a new interval restarts it.
class Timer {
public:
    using Tick = std::function<void()>;
    virtual ~Timer() = default;

    virtual void setInterval(int ms) = 0;
    virtual int interval() const = 0;
    virtual void setEnabled(bool on) = 0;
    virtual bool isEnabled() const = 0;

    void start() { setEnabled(true); }
    void stop() { setEnabled(false); }
};

// Source of timers and of the time used to reseed the random generator.
class Clock {
public:
    virtual ~Clock() = default;
    // The timer starts disabled.
    virtual std::unique_ptr<Timer> createTimer(int intervalMs, Timer::Tick onTick) = 0;
    virtual qint64 nowMs() const = 0;
};

// When the ticks of a timer are due. A tick that comes more than an interval
// late (a busy machine) is followed at once by the ones it missed, so that an
// animation keeps its pace in real time; a stall longer than kMakeUpMs is a
// pause, not a slow machine, and the ticks start again from it.
class TickSchedule {
public:
    static constexpr int kMakeUpMs = 250;

    // The timer starts at startMs with the interval (above 0).
    TickSchedule(qint64 startMs, int intervalMs) : intervalMs_(intervalMs), nextMs_(startMs + intervalMs) {}
    // The ticks to run for a timeout at nowMs: 1, and those missed before it.
    int ticksDue(qint64 nowMs);

private:
    int intervalMs_;
    qint64 nextMs_; // when the next tick is due
};

// Timers on QTimer; intervals below 100 ms use precise timers and make up for
// delayed ticks (TickSchedule).
class RealClock : public Clock {
public:
    std::unique_ptr<Timer> createTimer(int intervalMs, Timer::Tick onTick) override;
    qint64 nowMs() const override;
};

} // namespace zorna
