#include "class_journals.h"
#include "journal/categories.h"
#include "results/model/csv_export.h"
#include "results/model/journal_set.h"
#include "results/model/pupil_names.h"
#include "results/model/results_model.h"
#include "stats/statistics_window.h"
#include "support/files.h"
#include "support/test_registry.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace zorna;
using namespace zorna::results;
using namespace zorna::test;

Q_DECLARE_METATYPE(std::vector<journal::GameRow>)
Q_DECLARE_METATYPE(std::vector<journal::SaveRow>)
Q_DECLARE_METATYPE(std::vector<std::size_t>)
Q_DECLARE_METATYPE(journal::JournalReader::Problem)

namespace {

QString describe(const PupilRow& p) {
    QStringList categories;
    for (const CategoryTally& t : p.categories)
        categories.append(QStringLiteral("%1/%2").arg(t.right).arg(t.wrong));
    return QStringLiteral("%1 games=%2 %3 %4..%5")
        .arg(p.name)
        .arg(p.games)
        .arg(categories.join(QLatin1Char(' ')))
        .arg(p.firstDay.toString(Qt::ISODate), p.lastDay.toString(Qt::ISODate));
}

QStringList describe(const ClassView& view) {
    QStringList out;
    for (const PupilRow& p : view.pupils)
        out.append(describe(p));
    return out;
}

journal::GameRow game(qint64 id, qint64 startedMs, const QString& restoredFrom = QString()) {
    journal::GameRow g;
    g.id = id;
    g.startedMs = startedMs;
    g.restoredFrom = restoredFrom;
    return g;
}

} // namespace

class ResultsModelTest : public QObject {
    Q_OBJECT
private slots:
    void pupilKeys_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<bool>("same");
        QTest::newRow("spaces at the ends") << "Оля"
                                            << "  Оля " << true;
        QTest::newRow("letter case") << "ОЛЯ"
                                     << "оля" << true;
        QTest::newRow("ґ, є, і, ї in capitals") << "ҐАЛИНА ЄВА ІЇ"
                                                << "ґалина єва ії" << true;
        QTest::newRow("apostrophes") << "Мар'яна"
                                     << "Мар’яна" << true;
        QTest::newRow("modifier apostrophe") << "Мар'яна"
                                             << "Марʼяна" << true;
        QTest::newRow("an initial more") << "Оля К."
                                         << "Оля" << false;
        QTest::newRow("space inside") << "Оля К."
                                      << "Оля  К." << false;
        QTest::newRow("Latin look-alike") << "Оля"
                                          << "Oля" << false;
    }
    void pupilKeys() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(bool, same);
        QCOMPARE(pupilKey(a) == pupilKey(b), same);
    }

    void preferredSpellings_data() {
        QTest::addColumn<QStringList>("spellings");
        QTest::addColumn<QList<qint64>>("answers");
        QTest::addColumn<QString>("shown");
        QTest::newRow("most answers") << QStringList{"оля", "Оля"} << QList<qint64>{3, 5} << "Оля";
        QTest::newRow("trimmed spellings add up")
            << QStringList{"Оля ", " Оля", "ОЛЯ"} << QList<qint64>{2, 2, 3} << "Оля";
        QTest::newRow("a tie: the capital first")
            << QStringList{"оля", "Оля"} << QList<qint64>{4, 4} << "Оля";
    }
    void preferredSpellings() {
        QFETCH(QStringList, spellings);
        QFETCH(QList<qint64>, answers);
        QFETCH(QString, shown);
        std::map<QString, qint64> counts;
        for (int i = 0; i < spellings.size(); ++i)
            counts[spellings[i]] = answers[i];
        QCOMPARE(preferredSpelling(counts), shown);
    }

    // Ukrainian order, not the order of the code points (Є, І, Ї, Ґ lie apart there).
    void pupilsInUkrainianOrder() {
        QStringList names{"Ян", "Іван", "Єва", "Ґанна", "Гліб", "Їжачок", "Ігор", "Дана", "Жанна"};
        std::sort(names.begin(), names.end(), ukrainianLess);
        QCOMPARE(names,
                 (QStringList{"Гліб", "Ґанна", "Дана", "Єва", "Жанна", "Іван", "Ігор", "Їжачок", "Ян"}));
    }

    void weekBuckets_data() {
        QTest::addColumn<QList<QDate>>("days");
        QTest::addColumn<QList<bool>>("right");
        QTest::addColumn<QStringList>("weeks");
        QTest::newRow("Sunday and Monday")
            << QList<QDate>{QDate(2026, 3, 8), QDate(2026, 3, 9), QDate(2026, 3, 2)}
            << QList<bool>{true, false, false} << QStringList{"2026-03-02 1/2", "2026-03-09 0/1"};
        QTest::newRow("across the new year")
            << QList<QDate>{QDate(2025, 12, 29), QDate(2026, 1, 1), QDate(2026, 1, 4), QDate(2026, 1, 5)}
            << QList<bool>{true, true, false, true} << QStringList{"2025-12-29 2/3", "2026-01-05 1/1"};
        QTest::newRow("weeks without answers are left out")
            << QList<QDate>{QDate(2026, 5, 29), QDate(2026, 3, 4)} << QList<bool>{true, true}
            << QStringList{"2026-03-02 1/1", "2026-05-25 1/1"};
        QTest::newRow("none") << QList<QDate>{} << QList<bool>{} << QStringList{};
    }
    void weekBuckets() {
        QFETCH(QList<QDate>, days);
        QFETCH(QList<bool>, right);
        QFETCH(QStringList, weeks);
        std::vector<std::pair<QDate, bool>> answers;
        for (int i = 0; i < days.size(); ++i)
            answers.emplace_back(days[i], right[i]);
        QStringList out;
        for (const WeekShare& w : weeklyShares(answers))
            out.append(
                QStringLiteral("%1 %2/%3").arg(w.monday.toString(Qt::ISODate)).arg(w.right).arg(w.total));
        QCOMPARE(out, weeks);
    }

    // Which game a restored game continues: the last save into its folder
    // before it started, by another game.
    void savedGameChains_data() {
        QTest::addColumn<std::vector<journal::GameRow>>("games");
        QTest::addColumn<std::vector<journal::SaveRow>>("saves");
        QTest::addColumn<std::vector<std::size_t>>("first");
        QTest::newRow("new games") << std::vector{game(1, 100), game(2, 200)}
                                   << std::vector<journal::SaveRow>{} << std::vector<std::size_t>{0, 1};
        QTest::newRow("saved and continued twice")
            << std::vector{game(1, 100), game(2, 300, "2"), game(3, 500, "2")}
            << std::vector<journal::SaveRow>{{1, 150, "2"}, {2, 400, "2"}}
            << std::vector<std::size_t>{0, 0, 0};
        QTest::newRow("the latest save into the folder")
            << std::vector{game(1, 100), game(2, 110), game(3, 300, "1")}
            << std::vector<journal::SaveRow>{{1, 150, "1"}, {2, 200, "1"}}
            << std::vector<std::size_t>{0, 1, 1};
        QTest::newRow("another folder's save")
            << std::vector{game(1, 100), game(2, 300, "4")} << std::vector<journal::SaveRow>{{1, 150, "3"}}
            << std::vector<std::size_t>{0, 1};
        QTest::newRow("a save made after the restore")
            << std::vector{game(1, 100), game(2, 300, "1")} << std::vector<journal::SaveRow>{{1, 400, "1"}}
            << std::vector<std::size_t>{0, 1};
        QTest::newRow("saved before the journal began")
            << std::vector{game(7, 300, "1")} << std::vector<journal::SaveRow>{}
            << std::vector<std::size_t>{0};
    }
    void savedGameChains() {
        QFETCH(std::vector<journal::GameRow>, games);
        QFETCH(std::vector<journal::SaveRow>, saves);
        QFETCH(std::vector<std::size_t>, first);
        QCOMPARE(firstGameOf(games, saves), first);
    }

    // Two computers' journals: one pupil typed two ways is one row; a saved
    // and continued game is one game; sums per category add up across files.
    void classViewMergesJournals() {
        QTemporaryDir dir;
        writeClassJournals(dir.path());
        JournalSet journals;
        QVERIFY(journals.add(dir.path()).empty());
        QCOMPARE(journals.journals().size(), std::size_t(2));
        QCOMPARE(describe(buildClassView(journals, {})),
                 (QStringList{"Оля games=2 2/0 1/0 0/1 0/0 0/0 0/0 0/1 2026-03-02..2026-03-09",
                              "Петро games=1 0/1 1/0 1/0 0/0 0/0 0/0 0/0 2026-03-02..2026-03-03",
                              "Ян games=1 1/0 0/0 0/0 0/0 0/0 0/0 0/0 2026-03-09..2026-03-09"}));
        // Days: the week of pc1's games alone; a game counts by the day it began.
        QCOMPARE(describe(buildClassView(journals, {QDate(2026, 3, 3), QDate(2026, 3, 8)})),
                 (QStringList{"Оля games=0 0/0 0/0 0/1 0/0 0/0 0/0 0/0 ..",
                              "Петро games=0 0/0 0/0 1/0 0/0 0/0 0/0 0/0 .."}));
        QCOMPARE(describe(buildClassView(journals, {QDate(2026, 3, 9), QDate()})),
                 (QStringList{"оля games=1 1/0 0/0 0/0 0/0 0/0 0/0 0/1 2026-03-09..2026-03-09",
                              "Ян games=1 1/0 0/0 0/0 0/0 0/0 0/0 0/0 2026-03-09..2026-03-09"}));
    }

    void pupilView() {
        QTemporaryDir dir;
        writeClassJournals(dir.path());
        JournalSet journals;
        journals.add(dir.path());
        const PupilView olya = buildPupilView(journals, pupilKey(QStringLiteral("ОЛЯ")), {});
        QCOMPARE(olya.name, QStringLiteral("Оля"));
        QCOMPARE(olya.categories[0], (CategoryTally{2, 0}));
        QCOMPARE(olya.categories[6], (CategoryTally{0, 1}));
        QCOMPARE(olya.weeks, (std::vector<WeekShare>{{QDate(2026, 3, 2), 2, 3}, {QDate(2026, 3, 9), 1, 2}}));
        QCOMPARE(olya.games.size(), std::size_t(2));
        QCOMPARE(olya.games[0].started, QDateTime::fromMSecsSinceEpoch(msAt(2026, 3, 2)));
        QCOMPARE(olya.games[0].partners, QStringList{"Петро"});
        QCOMPARE(olya.games[0].place, std::optional<int>(2));
        QCOMPARE(olya.games[0].answered, 3);
        QCOMPARE(olya.games[0].right, 2);
        QCOMPARE(olya.games[1].partners, QStringList{"Ян"});
        QCOMPARE(olya.games[1].place, std::optional<int>());
        QCOMPARE(pupilCsv(olya), olyaCsv());
        QCOMPARE(classCsv(buildClassView(journals, {})), classCsvOfJournals());
    }

    // What cannot be read is named, in Ukrainian, with its file; the rest is read.
    void unreadableSources() {
        QTemporaryDir dir;
        writeClassJournals(dir.filePath("class"));
        put(dir.filePath("class/pc3/results.sqlite"), "не база даних");
        put(dir.filePath("class/pc4/results.damaged-2026-03-01.sqlite"), "put aside by the game");
        QDir().mkpath(dir.filePath("empty"));
        JournalSet journals;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("results journal not read: .*pc3"));
        const std::vector<SourceProblem> found = journals.add(dir.filePath("class"));
        QCOMPARE(found.size(), std::size_t(1));
        QCOMPARE(found[0].message, QStringLiteral("Файл «%1» не є журналом результатів Зорни.")
                                       .arg(dir.filePath("class/pc3/results.sqlite")));
        QCOMPARE(journals.add(dir.filePath("empty"))[0].message,
                 QStringLiteral("У теці «%1» немає журналів результатів Зорни.").arg(dir.filePath("empty")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("results journal not read"));
        QCOMPARE(journals.add(dir.filePath("nothing.sqlite"))[0].message,
                 QStringLiteral("Файл «%1» не знайдено.").arg(dir.filePath("nothing.sqlite")));
        // The same file again is not counted twice.
        QVERIFY(journals.add(dir.filePath("class/pc1/results.sqlite")).empty());
        QCOMPARE(journals.journals().size(), std::size_t(2));
        QCOMPARE(journals.problems().size(), std::size_t(3));
        QCOMPARE(buildClassView(journals, {}).pupils.size(), std::size_t(3));
    }

    void messages_data() {
        QTest::addColumn<journal::JournalReader::Problem>("problem");
        QTest::addColumn<QString>("message");
        using P = journal::JournalReader::Problem;
        QTest::newRow("newer") << P::Newer
                               << "Журнал «/x/r.sqlite» записала новіша версія Зорни: щоб його переглянути, "
                                  "оновіть програму.";
        QTest::newRow("damaged") << P::Damaged
                                 << "Журнал «/x/r.sqlite» пошкоджено, його результати не показано.";
        QTest::newRow("unreadable") << P::Unreadable << "Файл «/x/r.sqlite» не вдалося відкрити для читання.";
    }
    void messages() {
        QFETCH(journal::JournalReader::Problem, problem);
        QFETCH(QString, message);
        QCOMPARE(JournalSet::messageFor(problem, QStringLiteral("/x/r.sqlite")), message);
    }

    void csvFields_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("field");
        QTest::newRow("plain") << "Оля К."
                               << "Оля К.";
        QTest::newRow("separator") << "Оля; Петро"
                                   << "\"Оля; Петро\"";
        QTest::newRow("quote") << "«Зорна» \"2\""
                               << "\"«Зорна» \"\"2\"\"\"";
        QTest::newRow("line end") << "Оля\nК."
                                  << "\"Оля\nК.\"";
        QTest::newRow("a formula") << "=1+2"
                                   << "'=1+2";
        QTest::newRow("a leading minus") << "-Оля"
                                         << "'-Оля";
        QTest::newRow("empty") << ""
                               << "";
    }
    void csvFields() {
        QFETCH(QString, text);
        QFETCH(QString, field);
        QCOMPARE(csvField(text), field);
    }

    // The results program's category titles are the statistics window's.
    void categoryTitlesAsInTheGame() {
        for (int c = 1; c <= journal::kCategoryCount; ++c)
            QCOMPARE(journal::categoryTitle(c), StatisticsWindow::categoryTitles()[std::size_t(c - 1)]);
    }
};

ZORNA_TEST_CLASS(ResultsModelTest)
#include "results_model_test.moc"
