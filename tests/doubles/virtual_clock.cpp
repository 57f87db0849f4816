#include "doubles/virtual_clock.h"

#include <map>

namespace zorna {

struct VirtualClock::State {
    struct Entry {
        int interval = 0;
        bool enabled = false;
        qint64 due = 0;
        quint64 order = 0;
        Timer::Tick tick;
    };
    qint64 now = 0;
    quint64 nextOrder = 0;
    int nextId = 0;
    std::map<int, Entry> timers;

    void arm(Entry& e) {
        e.due = now + qMax(1, e.interval);
        e.order = nextOrder++;
    }
};

namespace {

class VirtualTimer : public Timer {
public:
    VirtualTimer(std::shared_ptr<VirtualClock::State> state, int id) : state_(std::move(state)), id_(id) {}
    ~VirtualTimer() override { state_->timers.erase(id_); }

    void setInterval(int ms) override {
        auto& e = entry();
        e.interval = ms;
        if (e.enabled)
            state_->arm(e);
    }
    int interval() const override { return state_->timers.at(id_).interval; }
    void setEnabled(bool on) override {
        auto& e = entry();
        if (on && !e.enabled)
            state_->arm(e);
        e.enabled = on;
    }
    bool isEnabled() const override { return state_->timers.at(id_).enabled; }

private:
    VirtualClock::State::Entry& entry() { return state_->timers.at(id_); }
    std::shared_ptr<VirtualClock::State> state_;
    int id_;
};

} // namespace

VirtualClock::VirtualClock() : state_(std::make_shared<State>()) {}
VirtualClock::~VirtualClock() = default;

std::unique_ptr<Timer> VirtualClock::createTimer(int intervalMs, Timer::Tick onTick) {
    const int id = state_->nextId++;
    State::Entry e;
    e.interval = intervalMs;
    e.tick = std::move(onTick);
    state_->timers.emplace(id, std::move(e));
    return std::make_unique<VirtualTimer>(state_, id);
}

qint64 VirtualClock::nowMs() const {
    return state_->now;
}

void VirtualClock::advance(qint64 ms) {
    const qint64 target = state_->now + ms;
    for (;;) {
        State::Entry* next = nullptr;
        for (auto& [id, e] : state_->timers) {
            if (!e.enabled || e.due > target)
                continue;
            if (!next || e.due < next->due || (e.due == next->due && e.order < next->order))
                next = &e;
        }
        if (!next)
            break;
        state_->now = next->due;
        next->due += qMax(1, next->interval);
        next->order = state_->nextOrder++;
        Timer::Tick tick = next->tick; // the handler may destroy the timer
        tick();
    }
    state_->now = target;
}

int VirtualClock::enabledTimerCount() const {
    int n = 0;
    for (const auto& [id, e] : state_->timers)
        n += e.enabled ? 1 : 0;
    return n;
}

} // namespace zorna
