#include "platform/app_context.h"
#include "platform/geometry.h"
#include "platform/single_instance.h"
#include "registration/reestr.h"
#include "registration/start_up.h"
#include "tasks/common/task_catalog.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
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
    zorna::AppContext ctx{
        clock, rnd, dialogs, help, zorna::ProgramFolder(QCoreApplication::applicationDirPath()), tasks};

    const zorna::SingleInstance instance(ctx.folder.workingFolder());
    if (!zorna::startProgram(ctx, instance))
        return 0;
    return app.exec();
}
