// zorna-results: the teacher's view of the results journals.
//   zorna-results                               the window, with this computer's journal
//   zorna-results --csv FILE [JOURNAL_OR_FOLDER…] the class table as CSV, without a window
#include "results/results_command.h"
#include "results/windows/results_window.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstring>

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--csv") == 0) {
        QCoreApplication app(argc, argv);
        return zorna::results::runCsvCommand(QCoreApplication::arguments().mid(2));
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
    zorna::results::ResultsWindow window(dialogs);
    const QString own = zorna::results::ownJournal();
    if (QFileInfo::exists(own))
        window.openPaths({own});
    window.show();
    return app.exec();
}
