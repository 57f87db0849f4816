#include "app/game_start.h"

#include "platform/app_context.h"
#include "platform/first_frame.h"
#include "platform/geometry.h"
#include "platform/pictures.h"
#include "platform/single_instance.h"
#include "registration/registration_window.h"
#include "registration/start_up.h"
#include "tasks/common/task_catalog.h"

#include <QApplication>
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

} // namespace

struct GameStart::Services {
    explicit Services(const QString& executableDir)
        : tasks(buildTaskCatalog()), ctx{clock, rnd, dialogs, help, programFolderOf(executableDir)} {}

    QTranslator qtbase;
    RealClock clock;
    SystemRnd rnd;
    QtDialogs dialogs;
    DesktopHelpLauncher help;
    const TaskCatalog tasks;
    AppContext ctx;
    // Taken once the games folder exists, so that a user's first start locks too.
    std::unique_ptr<SingleInstance> instance;
    bool running = false;
    QPointer<RegistrationWindow> registrationWindow;
};

GameStart::GameStart(const QString& executableDir) {
    QApplication::setApplicationName(QStringLiteral("Zorna"));
    registerGameFonts();
    services_ = std::make_unique<Services>(executableDir);
    services_->instance = lockGamesFolder(services_->ctx.folder);
    QGuiApplication::setDesktopFileName(QStringLiteral(ZORNA_APP_ID));
    // Decoding the icon's sizes costs a good part of the start, and
    // only the title bar and the task bar show them: they are read once the
    // program's first window (the registration window or a message) is on the
    // screen, and every window open then or later gets them.
    afterFirstFrame(QCoreApplication::instance(), nullptr,
                    [folder = services_->ctx.folder] { QApplication::setWindowIcon(windowIcon(folder)); });

    // Ukrainian texts on the standard buttons of message boxes.
    if (services_->qtbase.load(QLocale(QLocale::Ukrainian, QLocale::Ukraine), QStringLiteral("qtbase"),
                               QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&services_->qtbase);

    services_->rnd.randomize();
    services_->registrationWindow = startProgram(services_->ctx, services_->tasks, *services_->instance);
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
