// zorna-results: the teacher's view of the results journals.
//   zorna-results [JOURNAL_OR_FOLDER…]            the window
//   zorna-results --csv FILE [JOURNAL_OR_FOLDER…] the class table as CSV, without a window
//   zorna-results --help | --version
#include "platform/clock.h"
#include "platform/console.h"
#include "results/model/class_book.h"
#include "results/results_command.h"
#include "results/windows/results_window.h"
#include "tasks/common/task_registry.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char** argv) {
    const zorna::results::StartRequest request =
        zorna::results::parseArguments(zorna::commandArguments(argc, argv));
    if (request.mode != zorna::results::StartRequest::Mode::Window) {
        QCoreApplication app(argc, argv);
        return zorna::results::runCommand(request);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zorna"));
    QApplication::setApplicationDisplayName(QStringLiteral("Результати Зорни"));
    QGuiApplication::setDesktopFileName(QStringLiteral(ZORNA_RESULTS_APP_ID));
    QTranslator qtbase;
    if (qtbase.load(QLocale(QLocale::Ukrainian), QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtbase);
    zorna::QtDialogs dialogs;
    zorna::RealClock clock;
    zorna::results::ResultsWindow window(dialogs, clock, zorna::results::ClassBook::defaultPath());
    window.setOwnJournalPlaces(zorna::results::ownJournalPlaces());
    window.setTaskNames([](int square) {
        const zorna::TaskSquare* task = zorna::taskOfSquare(square);
        return task ? QString::fromUtf8(task->caption) : QString();
    });
    if (!request.sources.isEmpty()) {
        // Files named on the command line are looked at without a class; the
        // class looked at last stays the one opened next time.
        window.showClass(QString(), false);
        window.openPaths(request.sources);
    } else if (window.currentClass().isEmpty()) {
        QStringList own;
        for (const QString& place : zorna::results::ownJournalPlaces())
            if (QFileInfo(place).isFile())
                own.append(place);
        if (!own.isEmpty())
            window.openPaths(own);
    }
    window.show();
    return app.exec();
}
