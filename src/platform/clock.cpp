#include "platform/clock.h"

#include <QDateTime>
#include <QTimer>

namespace zorna {

namespace {

class QtTimer : public Timer {
public:
    QtTimer(int intervalMs, Tick onTick) : tick_(std::move(onTick)) {
        timer_.setSingleShot(false);
        setInterval(intervalMs);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            Tick tick = tick_; // the handler may destroy this timer
            tick();
        });
    }
    void setInterval(int ms) override {
        interval_ = ms;
        timer_.setTimerType(ms < 100 ? Qt::PreciseTimer : Qt::CoarseTimer);
        timer_.setInterval(ms);
    }
    int interval() const override { return interval_; }
    void setEnabled(bool on) override {
        if (on && !timer_.isActive())
            timer_.start();
        else if (!on)
            timer_.stop();
    }
    bool isEnabled() const override { return timer_.isActive(); }

private:
    QTimer timer_;
    Tick tick_;
    int interval_ = 0;
};

} // namespace

std::unique_ptr<Timer> RealClock::createTimer(int intervalMs, Timer::Tick onTick) {
    return std::make_unique<QtTimer>(intervalMs, std::move(onTick));
}

qint64 RealClock::nowMs() const {
    return QDateTime::currentMSecsSinceEpoch();
}

} // namespace zorna
