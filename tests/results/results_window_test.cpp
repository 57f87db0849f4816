#include "class_journals.h"
#include "doubles/scripted_dialogs.h"
#include "results/model/csv_export.h"
#include "results/windows/class_page.h"
#include "results/windows/pupils_page.h"
#include "results/windows/results_window.h"
#include "support/child_process.h"
#include "support/files.h"
#include "support/test_registry.h"

#include <QChartView>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace zorna;
using namespace zorna::results;
using namespace zorna::test;

namespace {

// Clicks the row of the table whose first cell shows `text`; false when none does.
bool clickRow(QTableWidget* table, const QString& text) {
    for (int row = 0; row < table->rowCount(); ++row) {
        if (table->item(row, 0) && table->item(row, 0)->text() == text) {
            const QRect cell = table->visualItemRect(table->item(row, 0));
            QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
            return true;
        }
    }
    return false;
}

QStringList column(QTableWidget* table, int c) {
    QStringList texts;
    for (int row = 0; row < table->rowCount(); ++row)
        texts.append(table->item(row, c) ? table->item(row, c)->text() : QString());
    return texts;
}

} // namespace

class ResultsWindowTest : public QObject {
    Q_OBJECT
private slots:
    // The teacher opens two computers' journals, picks a pupil and saves the
    // CSV; then the class page's CSV.
    void openPickAndExport() {
        QTemporaryDir dir;
        writeClassJournals(dir.path());
        ScriptedDialogs dialogs;
        ResultsWindow window(dialogs);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.openPaths({dir.filePath("pc1/results.sqlite"), dir.filePath("pc2/results.sqlite")});
        PupilsPage* pupils = window.pupilsPage();
        QCOMPARE(column(pupils->pupilTable(), 0), (QStringList{"Оля", "Петро", "Ян"}));
        QCOMPARE(column(pupils->pupilTable(), 3), (QStringList{"60", "67", "100"}));
        QVERIFY(!pupils->pupil());

        QVERIFY(clickRow(pupils->pupilTable(), QStringLiteral("Оля")));
        QVERIFY(pupils->pupil());
        QCOMPARE(column(pupils->gameTable(), 1), (QStringList{"Петро", "Ян"}));
        QCOMPARE(column(pupils->gameTable(), 2), (QStringList{"2", "—"}));
        QVERIFY(pupils->categoryView()->chart()->series().size() == 1);
        const QString pupilFile = dir.filePath("оля.csv");
        QVERIFY(window.exportCsv(pupilFile));
        QCOMPARE(contentOf(pupilFile), olyaCsv());

        window.tabs()->setCurrentWidget(window.classPage());
        QCOMPARE(column(window.classPage()->table(), 8),
                 (QStringList{"60 % (3 з 5)", "67 % (2 з 3)", "100 % (1 з 1)"}));
        const QString classFile = dir.filePath("клас.csv");
        QVERIFY(window.exportCsv(classFile));
        QCOMPARE(contentOf(classFile), classCsvOfJournals());
        QVERIFY(dialogs.asked().isEmpty());
    }

    // A file that is no journal is named under the tables; the others are shown.
    // A CSV that cannot be written says so.
    void badFileNamedAndWriteFailureShown() {
        QTemporaryDir dir;
        writeClassJournals(dir.path());
        put(dir.filePath("notes.sqlite"), "список");
        ScriptedDialogs dialogs;
        dialogs.answer(MsgAnswer::Ok);
        ResultsWindow window(dialogs);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("results journal not read"));
        window.openPaths({dir.filePath("notes.sqlite"), dir.filePath("pc2")});
        QCOMPARE(
            window.problemText(),
            QStringLiteral("Файл «%1» не є журналом результатів Зорни.").arg(dir.filePath("notes.sqlite")));
        QCOMPARE(column(window.pupilsPage()->pupilTable(), 0), (QStringList{"оля", "Ян"}));
        QVERIFY(!window.exportCsv(dir.filePath("missing/folder/x.csv")));
        QCOMPARE(dialogs.asked().size(), 1);
        QCOMPARE(dialogs.asked()[0].text,
                 QStringLiteral("Не вдалося записати файл «%1».").arg(dir.filePath("missing/folder/x.csv")));
    }

    // A one-page PDF for the chosen pupil.
    void pdfReport() {
        QTemporaryDir dir;
        writeClassJournals(dir.path());
        ScriptedDialogs dialogs;
        ResultsWindow window(dialogs);
        window.openPaths({dir.path()});
        QVERIFY(clickRow(window.pupilsPage()->pupilTable(), QStringLiteral("Оля")));
        const QString pdf = dir.filePath("оля.pdf");
        QVERIFY(window.exportPdf(pdf));
        const QByteArray bytes = contentOf(pdf);
        QVERIFY(bytes.startsWith("%PDF-"));
        QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page>"),
                 1);
    }

    // zorna-results --csv writes the class table without a window.
    void csvCommand() {
        ZORNA_NEEDS_CHILD_PROCESS();
        QTemporaryDir dir;
        writeClassJournals(dir.path());
        put(dir.filePath("bad/results.sqlite"), "x");
        QProcess program;
        program.start(QStringLiteral(ZORNA_RESULTS_EXE),
                      {"--csv", dir.filePath("out.csv"), dir.filePath("pc1"),
                       dir.filePath("pc2/results.sqlite"), dir.filePath("bad")});
        QVERIFY(program.waitForFinished(30'000));
        QCOMPARE(program.exitCode(), 0);
        QCOMPARE(contentOf(dir.filePath("out.csv")), classCsvOfJournals());
        QVERIFY(
            QString::fromLocal8Bit(program.readAllStandardError())
                .contains(QStringLiteral("Файл «%1» не є журналом").arg(dir.filePath("bad/results.sqlite"))));

        program.start(QStringLiteral(ZORNA_RESULTS_EXE), {"--csv"});
        QVERIFY(program.waitForFinished(30'000));
        QCOMPARE(program.exitCode(), 2);
        program.start(QStringLiteral(ZORNA_RESULTS_EXE),
                      {"--csv", dir.filePath("no/such/out.csv"), dir.path()});
        QVERIFY(program.waitForFinished(30'000));
        QCOMPARE(program.exitCode(), 1);
    }
};

ZORNA_TEST_CLASS(ResultsWindowTest)
#include "results_window_test.moc"
