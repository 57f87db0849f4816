#include "app/game_start.h"

#include "platform/app_context.h"
#include "platform/geometry.h"
#include "platform/single_instance.h"
#include "registration/reestr.h"
#include "registration/start_up.h"
#include "tasks/common/task_catalog.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace zorna {

struct GameStart::Services {
    explicit Services(const QString& programFolder)
        : tasks(buildTaskCatalog()), ctx{clock, rnd, dialogs, help, ProgramFolder(programFolder), tasks},
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
    QPointer<Reestr> reestr;
};

GameStart::GameStart(const QString& programFolder) {
    QApplication::setApplicationName(QStringLiteral("Zorna"));
    registerGameFonts();
    services_ = std::make_unique<Services>(programFolder);

    // Ukrainian texts on the standard buttons of message boxes.
    if (services_->qtbase.load(QLocale(QLocale::Ukrainian, QLocale::Ukraine), QStringLiteral("qtbase"),
                               QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&services_->qtbase);

    services_->rnd.randomize();
    services_->reestr = startProgram(services_->ctx, services_->instance);
    services_->running = services_->reestr != nullptr;
}

GameStart::~GameStart() = default;

bool GameStart::running() const {
    return services_->running;
}

Reestr* GameStart::registrationWindow() const {
    return services_->reestr;
}

} // namespace zorna
