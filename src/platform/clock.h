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

// Timers on QTimer; intervals below 100 ms use precise timers.
class RealClock : public Clock {
public:
    std::unique_ptr<Timer> createTimer(int intervalMs, Timer::Tick onTick) override;
    qint64 nowMs() const override;
};

} // namespace zorna
