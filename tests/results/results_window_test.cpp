#include "class_journals.h"
#include "doubles/scripted_dialogs.h"
#include "doubles/virtual_clock.h"
#include "journal/categories.h"
#include "platform/this_computer.h"
#include "results/model/csv_export.h"
#include "results/windows/class_page.h"
#include "results/windows/journals_page.h"
#include "results/windows/pupils_page.h"
#include "results/windows/results_window.h"
#include "support/child_process.h"
#include "support/files.h"
#include "support/test_registry.h"

#include "results/windows/chart_widget.h"
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace zorna;
using namespace zorna::results;
using namespace zorna::test;

namespace {

// Clicks the row of the table whose first cell shows `text`; false when none does.
bool clickRow(QTableView* table, const QString& text) {
    QAbstractItemModel* model = table->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->index(row, 0).data().toString() == text) {
            const QRect cell = table->visualRect(model->index(row, 0));
            QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
            return true;
        }
    }
    return false;
}

QStringList column(QTableView* table, int c) {
    QStringList texts;
    for (int row = 0; row < table->model()->rowCount(); ++row)
        texts.append(table->model()->index(row, c).data().toString());
    return texts;
}

// The journals of a small class, written into a folder of their own before
// the results window over them is made.
struct ClassJournalsFolder {
    ClassJournalsFolder() { writeClassJournals(dir.path()); }
    QTemporaryDir dir;
};
struct ClassWindow : ClassJournalsFolder {
    ScriptedDialogs dialogs;
    VirtualClock clock;
    ResultsWindow window{dialogs, clock};
};

} // namespace

class ResultsWindowTest : public QObject {
    Q_OBJECT
private slots:
    // The teacher opens two computers' journals, picks a pupil and saves the
    // CSV; then the class page's CSV.
    void openPickAndExport() {
        ClassWindow fixture;
        QTemporaryDir& dir = fixture.dir;
        ScriptedDialogs& dialogs = fixture.dialogs;
        ResultsWindow& window = fixture.window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.openPaths({dir.filePath("pc1/results.sqlite"), dir.filePath("pc2/results.sqlite")});
        PupilsPage* pupils = window.pupilsPage();
        QCOMPARE(column(pupils->pupilTable(), 0), (QStringList{"Оля", "Петро", "Ян"}));
        QCOMPARE(column(pupils->pupilTable(), 4), (QStringList{"60", "67", "100"}));
        QVERIFY(!pupils->pupil());

        QVERIFY(clickRow(pupils->pupilTable(), QStringLiteral("Оля")));
        QVERIFY(pupils->pupil());
        // Newest first; the place stays empty in a game not finished.
        QCOMPARE(column(pupils->gameTable(), 1), (QStringList{"Ян", "Петро"}));
        QCOMPARE(column(pupils->gameTable(), 2), (QStringList{"", "2"}));
        // Category titles whole on the chart, however narrow (wrapped lines join back).
        const ChartLayout drawn = pupils->categoryView()->chart()->layout(300, 0, QFont());
        const QString labels = drawn.textsOf(ChartText::Role::Label)
                                   .join(QLatin1Char(' '))
                                   .replace(QLatin1Char('\n'), QLatin1Char(' '));
        for (int c = 1; c <= journal::kCategoryCount; ++c)
            QVERIFY2(labels.contains(journal::categoryTitle(c)), qPrintable(labels));
        const QString pupilFile = dir.filePath("оля.csv");
        QVERIFY(window.exportCsv(pupilFile));
        QCOMPARE(contentOf(pupilFile), olyaCsv());

        window.tabs()->setCurrentWidget(window.classPage());
        QCOMPARE(column(window.classPage()->table(), 4), (QStringList{"60", "67", "100"}));
        // Sorting by the share right puts the weakest first; the search narrows the list.
        window.classPage()->table()->sortByColumn(4, Qt::AscendingOrder);
        QCOMPARE(column(window.classPage()->table(), 0), (QStringList{"Оля", "Петро", "Ян"}));
        window.classPage()->table()->sortByColumn(4, Qt::DescendingOrder);
        QCOMPARE(column(window.classPage()->table(), 0), (QStringList{"Ян", "Петро", "Оля"}));
        pupils->searchBox()->setText(QStringLiteral("пет"));
        QCOMPARE(column(pupils->pupilTable(), 0), QStringList{"Петро"});
        QCOMPARE(pupils->pupil()->name, QStringLiteral("Оля"));
        pupils->searchBox()->clear();
        const QString classFile = dir.filePath("клас.csv");
        QVERIFY(window.exportCsv(classFile));
        QCOMPARE(contentOf(classFile), classCsvOfJournals());
        QVERIFY(dialogs.asked().isEmpty());
    }

    // A pupil chosen again after the period changed or a journal was closed
    // shows what is read now, not what was shown before the change.
    void pupilChosenAgainAfterAChange_data() {
        QTest::addColumn<bool>("periodChanged");
        QTest::newRow("the period narrowed") << true;
        QTest::newRow("a journal closed") << false;
    }
    void pupilChosenAgainAfterAChange() {
        QFETCH(bool, periodChanged);
        ClassWindow fixture;
        QTemporaryDir& dir = fixture.dir;
        ResultsWindow& window = fixture.window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.openPaths({dir.filePath("pc1/results.sqlite"), dir.filePath("pc2/results.sqlite")});
        PupilsPage* pupils = window.pupilsPage();
        QVERIFY(clickRow(pupils->pupilTable(), QStringLiteral("Оля")));
        QCOMPARE(pupils->pupil()->games.size(), std::size_t(2));
        QVERIFY(clickRow(pupils->pupilTable(), QStringLiteral("Ян")));
        if (periodChanged)
            window.setFilter({QDate(2026, 3, 2), QDate(2026, 3, 3)});
        else
            window.closeJournal(dir.filePath("pc2/results.sqlite"));
        QVERIFY(clickRow(pupils->pupilTable(), QStringLiteral("Оля")));
        QCOMPARE(pupils->pupil()->games.size(), std::size_t(1));
        QCOMPARE(pupils->pupil()->games[0].answered, 3);
        QCOMPARE(column(pupils->gameTable(), 3), QStringList{"3"});
        // Chosen back and forth, the view is the one read for this period.
        QVERIFY(clickRow(pupils->pupilTable(), QStringLiteral("Петро")));
        QVERIFY(clickRow(pupils->pupilTable(), QStringLiteral("Оля")));
        QCOMPARE(pupils->pupil()->games.size(), std::size_t(1));
        QCOMPARE(pupils->pupil()->period, window.filter());
    }

    // A file that is no journal is named under the tables; the others are shown.
    // A CSV that cannot be written says so.
    void badFileNamedAndWriteFailureShown() {
        QTemporaryDir dir;
        writeClassJournals(dir.path());
        put(dir.filePath("notes.sqlite"), "список");
        ScriptedDialogs dialogs;
        VirtualClock clock;
        dialogs.answer(MsgAnswer::Ok);
        ResultsWindow window(dialogs, clock);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("results journal not read"));
        window.openPaths({dir.filePath("notes.sqlite"), dir.filePath("pc2")});
        QCOMPARE(window.problemText(), QStringLiteral("Файл «%1» не є журналом результатів Зорни.")
                                           .arg(QDir::toNativeSeparators(dir.filePath("notes.sqlite"))));
        QCOMPARE(column(window.pupilsPage()->pupilTable(), 0), (QStringList{"оля", "Ян"}));
        QVERIFY(!window.exportCsv(dir.filePath("missing/folder/x.csv")));
        QCOMPARE(dialogs.asked().size(), 1);
        QCOMPARE(dialogs.asked()[0].text,
                 QStringLiteral("Не вдалося записати файл «%1».")
                     .arg(QDir::toNativeSeparators(dir.filePath("missing/folder/x.csv"))));
    }

    // The list of journals: a copy is named, not counted; «Закрити» closes
    // the journal with its copy.
    void journalListAndClose() {
        QTemporaryDir dir;
        writeClassJournals(dir.path());
        QDir().mkpath(dir.filePath("stick"));
        QVERIFY(QFile::copy(dir.filePath("pc1/results.sqlite"), dir.filePath("stick/results-копія.sqlite")));
        ScriptedDialogs dialogs;
        VirtualClock clock;
        ResultsWindow window(dialogs, clock);
        window.openPaths({dir.filePath("pc1"), dir.filePath("pc2"), dir.filePath("stick")});
        JournalsPage* page = window.journalsPage();
        QTableView* table = page->table();
        table->sortByColumn(0, Qt::AscendingOrder);
        QCOMPARE(column(table, 0),
                 (QStringList{QDir::toNativeSeparators(dir.filePath("pc1/results.sqlite")),
                              QDir::toNativeSeparators(dir.filePath("pc2/results.sqlite"))}));
        QCOMPARE(column(table, 2), (QStringList{"6", "3"}));
        QCOMPARE(column(table, 3), (QStringList{"2026-03-03 10:00", "2026-03-09 10:00"}));
        QVERIFY(page->notes().contains(QStringLiteral("results-копія.sqlite» — копія журналу")));
        QCOMPARE(column(window.pupilsPage()->pupilTable(), 2), (QStringList{"5", "3", "1"}));
        table->setCurrentIndex(table->model()->index(0, 0));
        QTest::mouseClick(page->closeButton(), Qt::LeftButton);
        QCOMPARE(column(table, 0), QStringList{QDir::toNativeSeparators(dir.filePath("pc2/results.sqlite"))});
        QVERIFY(page->notes().isEmpty());
        QCOMPARE(column(window.pupilsPage()->pupilTable(), 0), (QStringList{"оля", "Ян"}));
    }

    // Usable on a 1024×768 school screen: the window can be made as small as
    // 1000×700 on every page, with a pupil chosen.
    void fitsASchoolScreen() {
        ClassWindow fixture;
        QTemporaryDir& dir = fixture.dir;
        ResultsWindow& window = fixture.window;
        window.openPaths({dir.path()});
        QVERIFY(clickRow(window.pupilsPage()->pupilTable(), QStringLiteral("Оля")));
        for (int tab = 0; tab < window.tabs()->count(); ++tab) {
            window.tabs()->setCurrentIndex(tab);
            const QSize least = window.minimumSizeHint().expandedTo(window.minimumSize());
            QVERIFY2(least.width() <= 1000 && least.height() <= 700,
                     qPrintable(QStringLiteral("%1: %2×%3")
                                    .arg(window.tabs()->tabText(tab))
                                    .arg(least.width())
                                    .arg(least.height())));
        }
    }

    // A journal the game writes meanwhile is read again once its writes have
    // been quiet for a moment; «Оновити» reads at once.
    void refreshWhenAJournalChanges() {
        ClassWindow fixture;
        QTemporaryDir& dir = fixture.dir;
        VirtualClock& clock = fixture.clock;
        ResultsWindow& window = fixture.window;
        window.openPaths({dir.path()});
        QCOMPARE(column(window.pupilsPage()->pupilTable(), 2), (QStringList{"5", "3", "1"}));
        {
            FixedNow now;
            now.ms = msAt(2026, 3, 10);
            journal::Journal pc2(dir.filePath("pc2/results.sqlite"), now.fn());
            QVERIFY(pc2.gameStarted({QStringLiteral("Ян")}));
            QVERIFY(pc2.taskResult(answer(1, QStringLiteral("Ян"), 1, 1, true)));
        }
        QTRY_VERIFY(window.reloadPending());
        clock.advance(1000);
        QCOMPARE(column(window.pupilsPage()->pupilTable(), 2), (QStringList{"5", "3", "1"}));
        clock.advance(600);
        QVERIFY(!window.reloadPending());
        QCOMPARE(column(window.pupilsPage()->pupilTable(), 2), (QStringList{"5", "3", "2"}));
        // A new computer's journal in a folder opened: «Оновити» finds it.
        QDir().mkpath(dir.filePath("pc3"));
        QVERIFY(QFile::copy(dir.filePath("pc1/results.sqlite"), dir.filePath("pc3/results.sqlite")));
        window.reload();
        QCOMPARE(window.journalsPage()->table()->model()->rowCount(), 2);
        QVERIFY(window.journalsPage()->notes().contains(QStringLiteral("копія журналу")));
    }

    // This computer's journals, from each place the game keeps them, and a
    // copy of them onto a stick named with the computer and the day.
    void ownJournalsOpenedAndCopied() {
        QTemporaryDir dir;
        writeClassJournals(dir.path());
        const QStringList places{dir.filePath("pc1/results.sqlite"), dir.filePath("nowhere/results.sqlite"),
                                 dir.filePath("pc2/results.sqlite")};
        ScriptedDialogs dialogs;
        VirtualClock clock;
        ResultsWindow window(dialogs, clock);
        window.setOwnJournalPlaces(places);
        QVERIFY(window.openOwnJournals());
        QCOMPARE(window.journalsPage()->table()->model()->rowCount(), 2);

        QDir().mkpath(dir.filePath("stick"));
        dialogs.answer(MsgAnswer::Ok);
        QVERIFY(window.copyOwnJournalsTo(dir.filePath("stick"), QDate(2026, 3, 9)));
        dialogs.answer(MsgAnswer::Ok);
        QVERIFY(window.copyOwnJournalsTo(dir.filePath("stick"), QDate(2026, 3, 9)));
        const QString base = QStringLiteral("results-%1-2026-03-09").arg(computerName());
        QCOMPARE(QDir(dir.filePath("stick")).entryList(QDir::Files, QDir::Name),
                 (QStringList{base + " (2).sqlite", base + " (3).sqlite", base + " (4).sqlite",
                              base + ".sqlite"}));
        QVERIFY(dialogs.asked()[0].text.startsWith(QStringLiteral("Журнал скопійовано: ")));
        // The copies are the same journals: opened beside them, nothing counts twice.
        window.openPaths({dir.filePath("stick")});
        QCOMPARE(window.journalsPage()->table()->model()->rowCount(), 2);
        QCOMPARE(column(window.pupilsPage()->pupilTable(), 2), (QStringList{"5", "3", "1"}));

        dialogs.answer(MsgAnswer::Ok);
        QVERIFY(!window.copyOwnJournalsTo(dir.filePath("no/such/stick"), QDate(2026, 3, 9)));
        QVERIFY(dialogs.asked().last().text.contains(QStringLiteral("Не вдалося скопіювати")));

        window.setOwnJournalPlaces({dir.filePath("nowhere/results.sqlite")});
        dialogs.answer(MsgAnswer::Ok);
        QVERIFY(!window.openOwnJournals());
        QVERIFY(dialogs.asked().last().text.contains(QStringLiteral("не знайдено")));
    }

    // A one-page PDF for the chosen pupil.
    void pdfReport() {
        ClassWindow fixture;
        QTemporaryDir& dir = fixture.dir;
        ResultsWindow& window = fixture.window;
        window.openPaths({dir.path()});
        QVERIFY(clickRow(window.pupilsPage()->pupilTable(), QStringLiteral("Оля")));
        const QString pdf = dir.filePath("оля.pdf");
        QVERIFY(window.exportPdf(pdf));
        const QByteArray bytes = contentOf(pdf);
        QVERIFY(bytes.startsWith("%PDF-"));
        QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page>"),
                 1);
    }

    // zorna-results --csv writes the class table without a window. The
    // folder's Cyrillic name must reach the program whole (on Windows main's
    // argv would lose it) and come back whole in its message (UTF-8).
    void csvCommand() {
        ZORNA_NEEDS_CHILD_PROCESS();
        QTemporaryDir base;
        const QDir dir(base.filePath(QStringLiteral("Журнали 3-А класу")));
        writeClassJournals(dir.path());
        put(dir.filePath("bad/results.sqlite"), "x");
        QProcess program;
        program.start(QStringLiteral(ZORNA_RESULTS_EXE),
                      {"--csv", dir.filePath("out.csv"), dir.filePath("pc1"),
                       dir.filePath("pc2/results.sqlite"), dir.filePath("bad")});
        QVERIFY(program.waitForFinished(30'000));
        const QString errors = QString::fromUtf8(program.readAllStandardError());
        QCOMPARE(program.exitCode(), 0);
        QCOMPARE(contentOf(dir.filePath("out.csv")), classCsvOfJournals());
        QVERIFY2(errors.contains(QStringLiteral("Файл «%1» не є журналом")
                                     .arg(QDir::toNativeSeparators(dir.filePath("bad/results.sqlite")))),
                 qPrintable(errors));
    }

    // The exit codes a school's script relies on; none of these opens a window
    // (the offscreen platform is not even needed: no QApplication is made).
    void commandExitCodes_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("stdoutHas");
        QTest::addColumn<QString>("stderrHas");
        QTest::newRow("help") << QStringList{"--help"} << 0 << "--csv ФАЙЛ"
                              << "";
        QTest::newRow("version") << QStringList{"--version"} << 0 << "zorna-results 1."
                                 << "";
        QTest::newRow("csv without a file") << QStringList{"--csv"} << 2 << ""
                                            << "потрібна назва файлу";
        QTest::newRow("unknown option") << QStringList{"--colour"} << 2 << ""
                                        << "Невідомий параметр «--colour»";
        QTest::newRow("nothing readable") << QStringList{"--csv", "OUT/out.csv", "OUT/bad"} << 3 << ""
                                          << "Жодного журналу не вдалося прочитати";
        QTest::newRow("some readable") << QStringList{"--csv", "OUT/out.csv", "OUT/bad", "OUT/pc2"} << 0 << ""
                                       << "не є журналом";
        QTest::newRow("cannot write") << QStringList{"--csv", "OUT/no/such/out.csv", "OUT/pc2"} << 1 << ""
                                      << "Не вдалося записати";
    }
    void commandExitCodes() {
        ZORNA_NEEDS_CHILD_PROCESS();
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, stdoutHas);
        QFETCH(QString, stderrHas);
        QTemporaryDir dir;
        writeClassJournals(dir.path());
        put(dir.filePath("bad/results.sqlite"), "x");
        arguments.replaceInStrings(QStringLiteral("OUT"), dir.path());
        QProcess program;
        program.start(QStringLiteral(ZORNA_RESULTS_EXE), arguments);
        QVERIFY(program.waitForFinished(30'000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), exitCode);
        QVERIFY(QString::fromUtf8(program.readAllStandardOutput()).contains(stdoutHas));
        QVERIFY(QString::fromUtf8(program.readAllStandardError()).contains(stderrHas));
        QCOMPARE(QFileInfo::exists(dir.filePath("out.csv")),
                 arguments.contains(dir.filePath("out.csv")) && exitCode == 0);
    }

    // Classes: kept between runs, opened on the last one; pupils joined by
    // name within a class only.
    void classesKeptAndSeparate() {
        QTemporaryDir dir;
        writeClassJournals(dir.filePath("a"));
        writeClassJournals(dir.filePath("b"));
        const QString book = dir.filePath("settings/zorna-results.json");
        ScriptedDialogs dialogs;
        VirtualClock clock;
        {
            ResultsWindow window(dialogs, clock, book);
            QVERIFY(window.createClass(QStringLiteral("3-А")));
            window.openPaths({dir.filePath("a/pc1")});
            QVERIFY(window.createClass(QStringLiteral("3-Б")));
            window.openPaths({dir.filePath("b")});
            QVERIFY(window.joinPupils(QStringLiteral("Ян"), QStringLiteral("Оля")));
            QCOMPARE(column(window.pupilsPage()->pupilTable(), 0), (QStringList{"Оля", "Петро"}));
            QCOMPARE(column(window.pupilsPage()->pupilTable(), 2), (QStringList{"6", "3"}));
            window.showClass(QStringLiteral("3-А"));
            // Оля of 3-А is another pupil than Оля of 3-Б, and the join is 3-Б's alone.
            QCOMPARE(column(window.pupilsPage()->pupilTable(), 0), (QStringList{"Оля", "Петро"}));
            QCOMPARE(column(window.pupilsPage()->pupilTable(), 2), (QStringList{"3", "3"}));
            window.showClass(QStringLiteral("3-Б"));
        }
        ResultsWindow again(dialogs, clock, book);
        dialogs.answer(MsgAnswer::Ok);
        QCOMPARE(again.currentClass(), QStringLiteral("3-Б"));
        QCOMPARE(column(again.pupilsPage()->pupilTable(), 0), (QStringList{"Оля", "Петро"}));
        QCOMPARE(column(again.pupilsPage()->pupilTable(), 2), (QStringList{"6", "3"}));
        QVERIFY(!again.createClass(QStringLiteral(" 3-а ")));
        QCOMPARE(dialogs.asked().size(), 1);
        QVERIFY(dialogs.asked()[0].text.contains(QStringLiteral("уже є")));
    }
};

ZORNA_TEST_CLASS(ResultsWindowTest)
#include "results_window_test.moc"
