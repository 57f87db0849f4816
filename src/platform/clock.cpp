#include "platform/clock.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QTimer>

#include <memory>
#include <optional>

namespace zorna {

int TickSchedule::ticksDue(qint64 nowMs) {
    const qint64 late = nowMs - nextMs_;
    if (late > kMakeUpMs) {
        nextMs_ = nowMs + intervalMs_;
        return 1;
    }
    const int missed = late > 0 ? int(late / intervalMs_) : 0;
    nextMs_ += qint64(missed + 1) * intervalMs_;
    return missed + 1;
}

namespace {

class QtTimer : public Timer {
public:
    QtTimer(int intervalMs, Tick onTick) : tick_(std::move(onTick)) {
        timer_.setSingleShot(false);
        setInterval(intervalMs);
        QObject::connect(&timer_, &QTimer::timeout, [this] { timeout(); });
        clock_.start();
    }
    void setInterval(int ms) override {
        interval_ = ms;
        const bool precise = ms > 0 && ms < 100;
        timer_.setTimerType(precise ? Qt::PreciseTimer : Qt::CoarseTimer);
        timer_.setInterval(ms);
        schedule_.reset();
        if (precise && timer_.isActive())
            schedule_.emplace(clock_.elapsed(), ms);
        ++runs_;
    }
    int interval() const override { return interval_; }
    void setEnabled(bool on) override {
        if (on && !timer_.isActive()) {
            timer_.start();
            if (interval_ > 0 && interval_ < 100)
                schedule_.emplace(clock_.elapsed(), interval_);
            ++runs_;
        } else if (!on) {
            timer_.stop();
            ++runs_;
        }
    }
    bool isEnabled() const override { return timer_.isActive(); }

private:
    void timeout() {
        const int due = schedule_ ? schedule_->ticksDue(clock_.elapsed()) : 1;
        // The handler may destroy, stop or restart this timer: then no tick it missed runs.
        const std::weak_ptr<char> alive = alive_;
        const unsigned run = runs_;
        const Tick tick = tick_;
        for (int i = 0; i < due; ++i) {
            if (i > 0 && (alive.expired() || runs_ != run))
                return;
            tick();
        }
    }

    QTimer timer_;
    Tick tick_;
    int interval_ = 0;
    QElapsedTimer clock_;
    std::optional<TickSchedule> schedule_; // precise timers only
    unsigned runs_ = 0;                    // changes whenever the timer is stopped, started or reset
    const std::shared_ptr<char> alive_ = std::make_shared<char>();
};

} // namespace

std::unique_ptr<Timer> RealClock::createTimer(int intervalMs, Timer::Tick onTick) {
    return std::make_unique<QtTimer>(intervalMs, std::move(onTick));
}

qint64 RealClock::nowMs() const {
    return QDateTime::currentMSecsSinceEpoch();
}

} // namespace zorna
