#include "game_context.h"

namespace bench {

zorna::MsgAnswer DefaultAnswerDialogs::ask(QWidget*, const zorna::Message& message) {
    return message.buttons == zorna::MsgButtons::YesNo ? zorna::MsgAnswer::Yes : zorna::MsgAnswer::Ok;
}

std::unique_ptr<zorna::Timer> TickReportingClock::createTimer(int intervalMs, zorna::Timer::Tick onTick) {
    return real_.createTimer(intervalMs, [this, intervalMs, onTick] {
        onTick();
        if (afterTick)
            afterTick(intervalMs);
    });
}

GameContext::GameContext(const QString& programFolder, zorna::Clock& clock)
    : tasks(zorna::buildTaskCatalog()), ctx{clock, rnd, dialogs, help, zorna::ProgramFolder(programFolder)} {
    rnd.randomize();
}

} // namespace bench
