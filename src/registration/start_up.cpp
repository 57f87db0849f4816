#include "registration/start_up.h"

#include "board/game_files.h"
#include "platform/app_context.h"
#include "platform/single_instance.h"
#include "registration/registration_window.h"

namespace zorna {

RegistrationWindow* startProgram(AppContext& ctx, const TaskCatalog& tasks, const SingleInstance& instance) {
    if (!instance.isOnlyCopy()) {
        ctx.dialogs.show(nullptr, Message{QStringLiteral("Повідомлення"), QStringLiteral("Гра вже запущена!"),
                                          MsgIcon::Information, MsgButtons::Ok});
        return nullptr;
    }
    gamefiles::recoverInterruptedSaves(ctx.folder.saveFolder());
    return RegistrationWindow::showFresh(ctx, tasks);
}

} // namespace zorna
