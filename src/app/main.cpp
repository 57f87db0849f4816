#include "platform/app_context.h"
#include "platform/geometry.h"
#include "platform/single_instance.h"
#include "registration/reestr.h"
#include "registration/start_up.h"
#include "tasks/common/task_catalog.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTranslator>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zorna"));
    zorna::registerGameFonts();

    // Ukrainian texts on the standard buttons of message boxes.
    QTranslator qtbase;
    if (qtbase.load(QLocale(QLocale::Ukrainian, QLocale::Ukraine), QStringLiteral("qtbase"),
                    QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtbase);

    zorna::RealClock clock;
    zorna::SystemRnd rnd;
    rnd.randomize();
    zorna::QtDialogs dialogs;
    zorna::DesktopHelpLauncher help;
    const zorna::TaskCatalog tasks = zorna::buildTaskCatalog();
    // Installed, the program's files lie in the data folder relative to the
    // executable, and each user's games in that user's own data folder.
    const QString executableDir = QCoreApplication::applicationDirPath();
    const zorna::ProgramFolder folder = zorna::ProgramFolder::forExecutable(
        executableDir, executableDir + QStringLiteral("/" ZORNA_DATA_FROM_BIN),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    folder.ensureGamesRoot();
    zorna::AppContext ctx{clock, rnd, dialogs, help, folder, tasks};

    // The windows' icon, and the desktop entry they belong to.
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(folder.path(QStringLiteral("icons/%1.png").arg(size)));
    QApplication::setWindowIcon(icon);
    QGuiApplication::setDesktopFileName(QStringLiteral(ZORNA_APP_ID));

    const zorna::SingleInstance instance(ctx.folder.workingFolder());
    if (!zorna::startProgram(ctx, instance))
        return 0;
    return app.exec();
}
