#pragma once

#include "platform/app_context.h"
#include "tasks/common/task_catalog.h"

#include <functional>

namespace bench {

// Answers every message with its default button at once, so that nothing
// waits for a person during a measurement.
class DefaultAnswerDialogs : public zorna::Dialogs {
protected:
    zorna::MsgAnswer ask(QWidget*, const zorna::Message& message) override;
};

class NoHelp : public zorna::HelpLauncher {
public:
    bool open(const QString&) override { return true; }
};

// Real timers that also report each tick, after the window's own handler,
// with the interval the timer was created with.
class TickReportingClock : public zorna::Clock {
public:
    std::function<void(int intervalMs)> afterTick;
    std::unique_ptr<zorna::Timer> createTimer(int intervalMs, zorna::Timer::Tick onTick) override;
    qint64 nowMs() const override { return real_.nowMs(); }

private:
    zorna::RealClock real_;
};

// The production context with the real clock, randomness and task windows;
// only messages and the help page are answered without a person.
struct GameContext {
    explicit GameContext(const QString& programFolder, zorna::Clock& clock);

    zorna::SystemRnd rnd;
    DefaultAnswerDialogs dialogs;
    NoHelp help;
    const zorna::TaskCatalog tasks;
    zorna::AppContext ctx;
};

} // namespace bench
