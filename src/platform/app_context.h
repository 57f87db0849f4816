#pragma once

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/help.h"
#include "platform/program_folder.h"
#include "platform/rnd.h"

namespace zorna {

// What every window needs from the outside world. Production builds it in
// main(); tests build it with virtual time, scripted randomness and dialogs.
struct AppContext {
    Clock& clock;
    Rnd& rnd;
    Dialogs& dialogs;
    HelpLauncher& help;
    ProgramFolder folder;
};

} // namespace zorna
