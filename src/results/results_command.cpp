#include "results/results_command.h"

#include "journal/journal.h"
#include "platform/file_system.h"
#include "platform/program_folder.h"
#include "results/model/csv_export.h"
#include "results/model/journal_set.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#include <cstdio>

namespace zorna::results {

namespace {
void printError(const QString& text) {
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}
} // namespace

QString ownJournal() {
    const QString executableDir = QCoreApplication::applicationDirPath();
    QCoreApplication::setApplicationName(QStringLiteral("Zorna"));
    const ProgramFolder folder =
        ProgramFolder::forExecutable(executableDir, executableDir + QStringLiteral("/" ZORNA_DATA_FROM_BIN),
                                     QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    return journal::journalFileIn(folder.gamesRoot());
}

int runCsvCommand(const QStringList& arguments) {
    if (arguments.isEmpty() || arguments.first().startsWith(QLatin1Char('-'))) {
        printError(QStringLiteral("Як викликати: zorna-results --csv ФАЙЛ [ЖУРНАЛ_АБО_ТЕКА…]"));
        return 2;
    }
    JournalSet journals;
    const QStringList sources = arguments.size() > 1 ? arguments.mid(1) : QStringList{ownJournal()};
    for (const QString& source : sources)
        journals.add(source);
    const ClassView view = buildClassView(journals, {});
    for (const SourceProblem& problem : journals.problems())
        printError(problem.message);
    if (!writeWhole(arguments.first(), classCsv(view))) {
        printError(QStringLiteral("Не вдалося записати файл «%1».")
                       .arg(QDir::toNativeSeparators(arguments.first())));
        return 1;
    }
    return 0;
}

} // namespace zorna::results
