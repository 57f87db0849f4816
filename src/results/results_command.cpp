#include "results/results_command.h"

#include "journal/journal.h"
#include "platform/console.h"
#include "platform/file_system.h"
#include "platform/program_folder.h"
#include "results/model/csv_export.h"
#include "results/model/journal_set.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace zorna::results {

QString ownJournal() {
    const QString executableDir = QCoreApplication::applicationDirPath();
    QCoreApplication::setApplicationName(QStringLiteral("Zorna"));
    const ProgramFolder folder =
        ProgramFolder::forExecutable(executableDir, executableDir + QStringLiteral("/" ZORNA_DATA_FROM_BIN),
                                     QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    return journal::journalFileIn(folder.gamesRoot());
}

QStringList ownJournalPlaces() {
    const QString executableDir = QCoreApplication::applicationDirPath();
    QCoreApplication::setApplicationName(QStringLiteral("Zorna"));
    const QString userData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const ProgramFolder folder = ProgramFolder::forExecutable(
        executableDir, executableDir + QStringLiteral("/" ZORNA_DATA_FROM_BIN), userData);
    QStringList places{journal::journalFileIn(folder.gamesRoot()), journal::journalFileIn(folder.root()),
                       journal::journalFileIn(userData)};
    places.removeDuplicates();
    return places;
}

StartRequest parseArguments(const QStringList& arguments) {
    StartRequest request;
    if (arguments.contains(QStringLiteral("--help")) || arguments.contains(QStringLiteral("-h"))) {
        request.mode = StartRequest::Mode::Help;
        return request;
    }
    if (arguments.contains(QStringLiteral("--version"))) {
        request.mode = StartRequest::Mode::Version;
        return request;
    }
    QStringList rest = arguments;
    if (!rest.isEmpty() && rest.first() == QStringLiteral("--csv")) {
        rest.removeFirst();
        if (rest.isEmpty() || rest.first().startsWith(QLatin1Char('-'))) {
            request.mode = StartRequest::Mode::Invalid;
            request.error = QStringLiteral("Після --csv потрібна назва файлу CSV.");
            return request;
        }
        request.mode = StartRequest::Mode::Csv;
        request.csvFile = rest.takeFirst();
    }
    for (const QString& argument : rest) {
        if (argument.startsWith(QLatin1Char('-'))) {
            request.mode = StartRequest::Mode::Invalid;
            request.error = QStringLiteral("Невідомий параметр «%1».").arg(argument);
            return request;
        }
        request.sources.append(argument);
    }
    return request;
}

QString helpText() {
    return QStringLiteral(
        "Результати Зорни: відповіді учнів із журналів results.sqlite.\n"
        "\n"
        "  zorna-results [ЖУРНАЛ_АБО_ТЕКА…]\n"
        "      вікно з названими журналами (без них: журнали цього комп'ютера або останній клас)\n"
        "  zorna-results --csv ФАЙЛ [ЖУРНАЛ_АБО_ТЕКА…]\n"
        "      таблиця класу у файл CSV, без вікна (без журналів: журнал цього комп'ютера)\n"
        "  zorna-results --help      ця довідка\n"
        "  zorna-results --version   версія програми\n"
        "\n"
        "Коди завершення: 0 — гаразд, 1 — файл не записано, 2 — помилка в команді,\n"
        "3 — жодного журналу не вдалося прочитати.");
}

QString versionText() {
    return QStringLiteral("zorna-results " ZORNA_RESULTS_VERSION);
}

namespace {

int writeCsv(const StartRequest& request) {
    JournalSet journals;
    const QStringList sources = request.sources.isEmpty() ? QStringList{ownJournal()} : request.sources;
    for (const QString& source : sources)
        journals.add(source);
    const ClassView view = buildClassView(journals, {});
    for (const SourceProblem& problem : journals.problems())
        writeConsoleLine(ConsoleStream::Error, problem.message);
    if (journals.journals().empty()) {
        writeConsoleLine(ConsoleStream::Error,
                         QStringLiteral("Жодного журналу не вдалося прочитати, файл «%1» не записано.")
                             .arg(QDir::toNativeSeparators(request.csvFile)));
        return kExitNothingRead;
    }
    if (!writeWhole(request.csvFile, classCsv(view))) {
        writeConsoleLine(
            ConsoleStream::Error,
            QStringLiteral("Не вдалося записати файл «%1».").arg(QDir::toNativeSeparators(request.csvFile)));
        return kExitNotWritten;
    }
    return kExitOk;
}

} // namespace

int runCommand(const StartRequest& request) {
    switch (request.mode) {
    case StartRequest::Mode::Help:
        writeConsoleLine(ConsoleStream::Output, helpText());
        return kExitOk;
    case StartRequest::Mode::Version:
        writeConsoleLine(ConsoleStream::Output, versionText());
        return kExitOk;
    case StartRequest::Mode::Csv:
        return writeCsv(request);
    case StartRequest::Mode::Invalid:
        writeConsoleLine(ConsoleStream::Error, request.error);
        writeConsoleLine(ConsoleStream::Error, QStringLiteral("zorna-results --help: як викликати."));
        return kExitUsage;
    case StartRequest::Mode::Window:
        break;
    }
    return kExitUsage;
}

} // namespace zorna::results
