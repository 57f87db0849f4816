#include "registration/start_up.h"

#include "board/game_files.h"
#include "platform/app_context.h"
#include "platform/single_instance.h"
#include "registration/registration_window.h"

#include <QDir>

namespace zorna {

RegistrationWindow* startProgram(AppContext& ctx, const TaskCatalog& tasks, const SingleInstance& instance) {
    switch (instance.state()) {
    case SingleInstance::State::Held:
        break;
    case SingleInstance::State::HeldByAnother:
        ctx.dialogs.show(nullptr, Message{QStringLiteral("Повідомлення"), QStringLiteral("Гра вже запущена!"),
                                          MsgIcon::Information, MsgButtons::Ok});
        return nullptr;
    case SingleInstance::State::Unavailable:
        // Two copies on one games folder would spoil each other's games.
        ctx.dialogs.show(nullptr, Message{QStringLiteral("Помилка"),
                                          QStringLiteral("Гру не вдалося запустити: не вдалося створити файл "
                                                         "«%1» для перевірки, чи гра вже запущена.")
                                              .arg(QDir::toNativeSeparators(instance.path())),
                                          MsgIcon::Warning, MsgButtons::Ok});
        return nullptr;
    }
    ctx.folder.secureGamesFolders();
    gamefiles::recoverInterruptedSaves(ctx.folder.saveFolder());
    return RegistrationWindow::showFresh(ctx, tasks);
}

std::unique_ptr<SingleInstance> lockGamesFolder(const ProgramFolder& folder) {
    folder.ensureGamesRoot();
    return std::make_unique<SingleInstance>(folder.workingFolder());
}

} // namespace zorna
