// zorna_results_bench: the results journal at the scale of a school.
//   zorna_results_bench [--folder DIR] [--runs N]
// Generates (once) 30 journals of 4 school years, about 1.5 million task
// results, then times in a real window: opening them all and showing the
// class view (goal <= 1 s), a pupil's charts (goal <= 100 ms), and the peak
// memory (goal <= 150 MB). A school of several million answers (--rows-per-day
// 420: 10 million) has one goal: open and class view <= 5 s. It also times
// what the game pays for the journal: opening a school year's journal at a
// game's start and writing one task result. Exit code 0 when the goals are met.
#include "journal/journal.h"
#include "journal_generator.h"
#include "paint_watch.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "results/windows/class_page.h"
#include "results/windows/journals_page.h"
#include "results/windows/pupils_page.h"
#include "results/windows/results_window.h"
#include "stats.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QTabWidget>
#include <QTableView>

#include <QTemporaryDir>
#include <sys/resource.h>

#include <algorithm>
#include <cstdio>

using namespace zorna;

namespace {

int countJournals(const QString& folder) {
    int n = 0;
    for (QDirIterator it(folder, {QStringLiteral("results.sqlite")}, QDir::Files,
                         QDirIterator::Subdirectories);
         it.hasNext(); it.next())
        ++n;
    return n;
}

// Opens every journal of the folder in a new window and shows the class view.
double openAndShowClass(const QString& folder, QtDialogs& dialogs,
                        std::unique_ptr<results::ResultsWindow>& window, QList<double>& cpuMs) {
    const double cpuStart = bench::cpuMsUsed();
    const qint64 start = bench::monotonicNs();
    static RealClock clock;
    window = std::make_unique<results::ResultsWindow>(dialogs, clock);
    window->openPaths({folder});
    window->tabs()->setCurrentWidget(window->classPage());
    bench::PaintWatch watch([&](QWidget* w) { return w == window.get(); });
    window->show();
    const std::optional<qint64> painted = watch.wait(30'000);
    cpuMs.append(bench::cpuMsUsed() - cpuStart);
    return painted ? bench::msBetween(start, *painted) : -1;
}

// Picks the pupil in `row` on the pupils page and waits for the charts' frame.
double showPupil(results::ResultsWindow& window, int row) {
    window.tabs()->setCurrentWidget(window.pupilsPage());
    bench::settle(50);
    const qint64 start = bench::monotonicNs();
    bench::PaintWatch watch([&](QWidget* w) { return w == &window; });
    QTableView* table = window.pupilsPage()->pupilTable();
    table->setCurrentIndex(table->model()->index(row, 0));
    const std::optional<qint64> painted = watch.wait(10'000);
    return painted ? bench::msBetween(start, *painted) : -1;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QString folder = QDir::currentPath() + QStringLiteral("/bench-journals");
    int runs = 3;
    const QStringList args = QCoreApplication::arguments();
    bench::SchoolShape shape;
    // The school's shape can be changed (a small one for screenshots, a large
    // one for the 10-million-answer check); --generate-only stops after writing.
    bool generateOnly = false;
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--generate-only")) {
            generateOnly = true;
            continue;
        }
        if (i + 1 >= args.size())
            break;
        const QString value = args[++i];
        if (args[i - 1] == QLatin1String("--folder"))
            folder = value;
        else if (args[i - 1] == QLatin1String("--runs"))
            runs = std::max(1, value.toInt());
        else if (args[i - 1] == QLatin1String("--computers"))
            shape.computers = std::max(1, value.toInt());
        else if (args[i - 1] == QLatin1String("--years"))
            shape.years = std::max(1, value.toInt());
        else if (args[i - 1] == QLatin1String("--days"))
            shape.daysPerYear = std::max(1, value.toInt());
        else if (args[i - 1] == QLatin1String("--rows-per-day"))
            shape.rowsPerDay = std::max(1, value.toInt());
    }
    if (countJournals(folder) != shape.computers) {
        std::printf("generating %d journals in %s ...\n", shape.computers, qPrintable(folder));
        QElapsedTimer timer;
        timer.start();
        const qint64 rows = bench::generateSchoolJournals(folder, shape);
        if (rows < 0)
            return 1;
        std::printf("  %lld task results in %.1f s\n", rows, double(timer.elapsed()) / 1000);
    }
    // Copies of three computers' journals gathered twice (another name, another
    // folder): read once each, as a teacher's stick would hold them.
    QDir().mkpath(folder + QStringLiteral("/copies"));
    for (const char* pc : {"pc01", "pc02", "pc03"}) {
        const QString copy = folder + QStringLiteral("/copies/%1-копія.sqlite").arg(QLatin1String(pc));
        if (!QFileInfo::exists(copy))
            QFile::copy(folder + QStringLiteral("/%1/results.sqlite").arg(QLatin1String(pc)), copy);
    }
    qint64 bytes = 0;
    for (QDirIterator it(folder, {QStringLiteral("*.sqlite")}, QDir::Files, QDirIterator::Subdirectories);
         it.hasNext();)
        bytes += QFileInfo(it.next()).size();
    std::printf("journals: %d files, %.0f MB\n", countJournals(folder), double(bytes) / 1e6);
    if (generateOnly)
        return 0;

    QtDialogs dialogs;
    QList<double> classMs;
    QList<double> classCpuMs;
    QList<double> pupilMs;
    int pupils = 0;
    qint64 answers = 0;
    std::size_t lastJournals = 0;
    std::size_t lastCopies = 0;
    for (int run = 0; run < runs; ++run) {
        std::unique_ptr<results::ResultsWindow> window;
        classMs.append(openAndShowClass(folder, dialogs, window, classCpuMs));
        pupils = int(window->classView().pupils.size());
        answers = 0;
        for (const results::PupilRow& pupil : window->classView().pupils)
            answers += pupil.answered();
        lastJournals = window->journalsPage()->table()->model()->rowCount();
        lastCopies = window->journalsPage()->notes().count(QStringLiteral("копія журналу"));
        for (int row : {0, pupils / 2, pupils - 1})
            pupilMs.append(showPupil(*window, row));
    }

    // The game's side: a journal of a school year's size (one computer's file).
    QTemporaryDir scratch;
    const QString copy = scratch.filePath(QStringLiteral("results.sqlite"));
    QFile::copy(folder + QStringLiteral("/pc01/results.sqlite"), copy);
    QList<double> startMs;
    QList<double> writeMs;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        journal::Journal journal(copy);
        journal.gameStarted({QStringLiteral("Оля"), QStringLiteral("Петро")});
        startMs.append(double(timer.nsecsElapsed()) / 1e6);
        for (int i = 0; i < 200; ++i) {
            timer.restart();
            journal.taskResult({1 + i % 2, i % 2 ? QStringLiteral("Петро") : QStringLiteral("Оля"),
                                1 + i % 32, 1 + i % 32, 1 + i % 7, i % 3 != 0, 5000});
            writeMs.append(double(timer.nsecsElapsed()) / 1e6);
        }
    }
    const double slowestWrite = *std::max_element(writeMs.begin(), writeMs.end());

    const double classMedian = bench::median(classMs);
    const double pupilMedian = bench::median(pupilMs);
    const double pupilWorst = *std::max_element(pupilMs.begin(), pupilMs.end());
    // The school of the goals' first part, or the large one of the second.
    const bool large = answers > 5'000'000;
    const double openGoalMs = large ? 5000 : 1000;
    std::printf("pupils: %d, answers: %lld\n", pupils, answers);
    std::printf("open all + class view, first frame: median %.0f ms (goal <= %.0f), CPU time %.0f ms\n",
                classMedian, openGoalMs, bench::median(classCpuMs));
    std::printf("a pupil's charts, first frame:      median %.0f ms, slowest %.0f ms (goal <= 100%s)\n",
                pupilMedian, pupilWorst, large ? " at 1.5 million answers" : "");
    std::printf("game: journal open + game start:    median %.1f ms\n", bench::median(startMs));
    std::printf("game: one task result written:      median %.2f ms, slowest %.1f ms of %lld\n",
                bench::median(writeMs), slowestWrite, qint64(writeMs.size()));
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const double peakMb = double(usage.ru_maxrss) / 1024;
    std::printf("journals read: %zu, copies set aside: %zu\n", lastJournals, lastCopies);
    std::printf("peak memory (max RSS):              %.0f MB (goal <= 150%s)\n", peakMb,
                large ? " at 1.5 million answers" : "");
    const bool met = classMedian > 0 && classMedian <= openGoalMs && pupilWorst > 0 &&
                     (large || (pupilWorst <= 100 && peakMb <= 150));
    std::printf("verdict: %s\n", met ? "goals met" : "goals NOT met");
    return met ? 0 : 1;
}
