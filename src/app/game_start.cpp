#include "app/game_start.h"

#include "platform/app_context.h"
#include "platform/geometry.h"
#include "platform/single_instance.h"
#include "registration/registration_window.h"
#include "registration/start_up.h"
#include "tasks/common/task_catalog.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QStandardPaths>
#include <QTranslator>

namespace zorna {

namespace {

// Installed, the program's files lie in the data folder relative to the
// executable, and each user's games in that user's own data folder.
ProgramFolder programFolderOf(const QString& executableDir) {
    return ProgramFolder::forExecutable(executableDir,
                                        executableDir + QStringLiteral("/" ZORNA_DATA_FROM_BIN),
                                        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

// The windows' icon, and the desktop entry they belong to.
void setProgramIcon(const ProgramFolder& folder) {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(folder.path(QStringLiteral("icons/%1.png").arg(size)));
    QApplication::setWindowIcon(icon);
    QGuiApplication::setDesktopFileName(QStringLiteral(ZORNA_APP_ID));
}

} // namespace

struct GameStart::Services {
    explicit Services(const QString& executableDir)
        : tasks(buildTaskCatalog()), ctx{clock, rnd, dialogs, help, programFolderOf(executableDir), tasks},
          instance(ctx.folder.workingFolder()) {}

    QTranslator qtbase;
    RealClock clock;
    SystemRnd rnd;
    QtDialogs dialogs;
    DesktopHelpLauncher help;
    const TaskCatalog tasks;
    AppContext ctx;
    const SingleInstance instance;
    bool running = false;
    QPointer<RegistrationWindow> registrationWindow;
};

GameStart::GameStart(const QString& executableDir) {
    QApplication::setApplicationName(QStringLiteral("Zorna"));
    registerGameFonts();
    services_ = std::make_unique<Services>(executableDir);
    services_->ctx.folder.ensureGamesRoot();
    setProgramIcon(services_->ctx.folder);

    // Ukrainian texts on the standard buttons of message boxes.
    if (services_->qtbase.load(QLocale(QLocale::Ukrainian, QLocale::Ukraine), QStringLiteral("qtbase"),
                               QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&services_->qtbase);

    services_->rnd.randomize();
    services_->registrationWindow = startProgram(services_->ctx, services_->instance);
    services_->running = services_->registrationWindow != nullptr;
}

GameStart::~GameStart() = default;

bool GameStart::running() const {
    return services_->running;
}

RegistrationWindow* GameStart::registrationWindow() const {
    return services_->registrationWindow;
}

} // namespace zorna
