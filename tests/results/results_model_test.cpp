#include "class_journals.h"
#include "journal/categories.h"
#include "journal/journal.h"
#include "results/model/class_book.h"
#include "results/model/csv_export.h"
#include "results/model/journal_set.h"
#include "results/model/periods.h"
#include "results/model/pupil_names.h"
#include "results/model/results_model.h"
#include "stats/statistics_window.h"
#include "support/files.h"
#include "support/test_registry.h"
#include "support/tiny_disk.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_LINUX
#include <sys/mount.h>
#endif

using namespace zorna;
using namespace zorna::results;
using namespace zorna::test;

Q_DECLARE_METATYPE(std::vector<journal::GameRow>)
Q_DECLARE_METATYPE(std::vector<journal::SaveRow>)
Q_DECLARE_METATYPE(std::vector<std::size_t>)
Q_DECLARE_METATYPE(journal::JournalReader::Problem)
Q_DECLARE_METATYPE(zorna::results::PeriodPreset)

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
        QTest::newRow("the game's own save at its start left out")
            << std::vector{game(1, 100), game(2, 300, "1")}
            << std::vector<journal::SaveRow>{{1, 150, "1"}, {2, 300, "1"}} << std::vector<std::size_t>{0, 0};
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
        // Days from the second session of pc1's saved game: the game counts
        // with the answers given in it then.
        QCOMPARE(describe(buildClassView(journals, {QDate(2026, 3, 3), QDate(2026, 3, 8)})),
                 (QStringList{"Оля games=1 0/0 0/0 0/1 0/0 0/0 0/0 0/0 2026-03-03..2026-03-03",
                              "Петро games=1 0/0 0/0 1/0 0/0 0/0 0/0 0/0 2026-03-03..2026-03-03"}));
        const PupilView petro = buildPupilView(journals, pupilKey(QStringLiteral("Петро")),
                                               {QDate(2026, 3, 3), QDate(2026, 3, 8)});
        QCOMPARE(petro.games.size(), std::size_t(1));
        QCOMPARE(petro.games[0].answered, 1);
        QCOMPARE(petro.games[0].place, std::optional<int>(1));
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

    // What the views work out of a journal's games is kept with the journal:
    // a journal that leaves the set (closed, or replaced by a fuller copy)
    // takes it along, and the journal read in its place is shown as read alone.
    void viewsFollowTheJournalsRead_data() {
        QTest::addColumn<bool>("closeFirst");
        QTest::newRow("a journal closed, another opened") << true;
        QTest::newRow("a copy replaced by a fuller one") << false;
    }
    void viewsFollowTheJournalsRead() {
        QFETCH(bool, closeFirst);
        QTemporaryDir dir;
        writeClassJournals(dir.path());
        const QString first = dir.filePath(closeFirst ? "pc1/results.sqlite" : "older.sqlite");
        const QString then = dir.filePath(closeFirst ? "pc2/results.sqlite" : "pc1/results.sqlite");
        if (!closeFirst) {
            QVERIFY(QFile::copy(then, first));
            FixedNow now;
            now.ms = msAt(2026, 3, 10);
            journal::Journal pc1(then, now.fn());
            QVERIFY(pc1.gameStarted({QStringLiteral("Оля"), QStringLiteral("Ян")}));
            QVERIFY(pc1.taskResult(answer(1, QStringLiteral("Оля"), 4, 5, true)));
        }
        const QString olya = pupilKey(QStringLiteral("Оля"));
        JournalSet journals;
        QVERIFY(journals.add(first).empty());
        QCOMPARE(buildPupilView(journals, olya, {}).games.size(), std::size_t(1));
        buildClassView(journals, {});
        if (closeFirst)
            journals.close(first);
        QVERIFY(journals.add(then).empty());
        QCOMPARE(journals.journals().size(), std::size_t(1));
        JournalSet alone;
        QVERIFY(alone.add(then).empty());
        QCOMPARE(describe(buildClassView(journals, {})), describe(buildClassView(alone, {})));
        const PupilView shown = buildPupilView(journals, olya, {});
        const PupilView expected = buildPupilView(alone, olya, {});
        QCOMPARE(shown.games.size(), std::size_t(closeFirst ? 1 : 2));
        QCOMPARE(shown.games.size(), expected.games.size());
        for (std::size_t i = 0; i < shown.games.size(); ++i) {
            QCOMPARE(shown.games[i].partners, expected.games[i].partners);
            QCOMPARE(shown.games[i].answered, expected.games[i].answered);
        }
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
        QCOMPARE(found[0].message,
                 QStringLiteral("Файл «%1» не є журналом результатів Зорни.")
                     .arg(QDir::toNativeSeparators(dir.filePath("class/pc3/results.sqlite"))));
        QCOMPARE(journals.add(dir.filePath("empty"))[0].message,
                 QStringLiteral("У теці «%1» немає журналів результатів Зорни.")
                     .arg(QDir::toNativeSeparators(dir.filePath("empty"))));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("results journal not read"));
        QCOMPARE(journals.add(dir.filePath("nothing.sqlite"))[0].message,
                 QStringLiteral("Файл «%1» не знайдено.")
                     .arg(QDir::toNativeSeparators(dir.filePath("nothing.sqlite"))));
        // The same file again is not counted twice.
        QVERIFY(journals.add(dir.filePath("class/pc1/results.sqlite")).empty());
        QCOMPARE(journals.journals().size(), std::size_t(2));
        QCOMPARE(journals.problems().size(), std::size_t(3));
        QCOMPARE(buildClassView(journals, {}).pupils.size(), std::size_t(3));
    }

    // One journal gathered several times: in «Комп1», «Комп1 (копія)», as
    // results-копія.sqlite, and an older copy made before the last game. It
    // counts once, from the fullest copy, whatever order the files come in;
    // the others are named as copies.
    void copiesCountedOnce_data() {
        QTest::addColumn<bool>("olderFirst");
        QTest::newRow("the older copy read first") << true;
        QTest::newRow("the older copy read last") << false;
    }
    void copiesCountedOnce() {
        QFETCH(bool, olderFirst);
        QTemporaryDir dir;
        writeClassJournals(dir.filePath("source"));
        const QString original = dir.filePath("source/pc1/results.sqlite");
        const QString older =
            dir.filePath("stick/" + QString(olderFirst ? "0 давня" : "я давня") + "/results.sqlite");
        QDir().mkpath(QFileInfo(older).path());
        QVERIFY(QFile::copy(original, older));
        {
            FixedNow now;
            now.ms = msAt(2026, 3, 10);
            journal::Journal pc1(original, now.fn());
            QVERIFY(pc1.gameStarted({QStringLiteral("Оля"), QStringLiteral("Петро")}));
            QVERIFY(pc1.taskResult(answer(1, QStringLiteral("Оля"), 4, 5, true)));
        }
        for (const QString& copy :
             {QString("stick/Комп1/results.sqlite"), QString("stick/Комп1 (копія)/results.sqlite"),
              QString("stick/results-копія.sqlite")}) {
            QDir().mkpath(QFileInfo(dir.filePath(copy)).path());
            QVERIFY(QFile::copy(original, dir.filePath(copy)));
        }
        JournalSet alone;
        QVERIFY(alone.add(original).empty());
        JournalSet gathered;
        QVERIFY(gathered.add(dir.filePath("stick")).empty());
        QCOMPARE(gathered.journals().size(), std::size_t(1));
        QCOMPARE(gathered.journals()[0]->rowCount(), alone.journals()[0]->rowCount());
        QCOMPARE(describe(buildClassView(gathered, {})), describe(buildClassView(alone, {})));
        QCOMPARE(buildClassView(gathered, {}).pupils[0].games, 2);
        QCOMPARE(gathered.setAside().size(), std::size_t(3));
        QStringList copies;
        for (const SetAsideCopy& copy : gathered.setAside()) {
            QCOMPARE(copy.countedPath, gathered.journals()[0]->path());
            QVERIFY(copy.message.endsWith(QStringLiteral(", не враховано.")));
            copies.append(copy.path);
        }
        QVERIFY(copies.contains(older));
        // The original beside them is one more copy, not one more journal.
        QVERIFY(gathered.add(original).empty());
        QCOMPARE(gathered.journals().size(), std::size_t(1));
        QCOMPARE(gathered.setAside().size(), std::size_t(4));
        // Closing the journal closes its copies with it.
        gathered.close(gathered.journals()[0]->path());
        QVERIFY(gathered.journals().empty());
        QVERIFY(gathered.setAside().empty());
    }

    // A stick mounted read-only: the journals are read, and reading leaves
    // nothing beside them (checked on a writable folder too, where SQLite
    // could have made its side files).
    void readOnlyMedia() {
        TinyDisk stick;
        if (!stick.mounted)
            QSKIP("needs the right to mount a file system");
        writeClassJournals(stick.dir.path());
        const QStringList before = QDir(stick.dir.filePath("pc1")).entryList(QDir::Files);
        JournalSet writable;
        QVERIFY(writable.add(stick.dir.path()).empty());
        const ClassView expected = buildClassView(writable, {});
        buildPupilView(writable, pupilKey("Оля"), {});
        QCOMPARE(QDir(stick.dir.filePath("pc1")).entryList(QDir::Files), before);
#ifdef Q_OS_LINUX
        QVERIFY(::mount(nullptr, QFile::encodeName(stick.dir.path()).constData(), nullptr,
                        MS_REMOUNT | MS_RDONLY, "size=256k") == 0);
        QVERIFY(!QFile(stick.dir.filePath("probe")).open(QIODevice::WriteOnly));
        JournalSet readOnly;
        QVERIFY(readOnly.add(stick.dir.path()).empty());
        QCOMPARE(describe(buildClassView(readOnly, {})), describe(expected));
        QCOMPARE(buildPupilView(readOnly, pupilKey("Оля"), {}).games.size(), std::size_t(2));
#endif
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
        // Paths are shown the system's way (backslashes on Windows).
        QCOMPARE(JournalSet::messageFor(problem, QStringLiteral("/x/r.sqlite")),
                 message.replace(QStringLiteral("/x/r.sqlite"), QDir::toNativeSeparators("/x/r.sqlite")));
    }

    void presetPeriods_data() {
        QTest::addColumn<PeriodPreset>("preset");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        using P = PeriodPreset;
        QTest::newRow("week from a Sunday")
            << P::ThisWeek << QDate(2026, 3, 8) << QDate(2026, 3, 2) << QDate(2026, 3, 8);
        QTest::newRow("week across the new year")
            << P::ThisWeek << QDate(2026, 1, 1) << QDate(2025, 12, 29) << QDate(2026, 1, 4);
        QTest::newRow("February of a leap year")
            << P::ThisMonth << QDate(2028, 2, 10) << QDate(2028, 2, 1) << QDate(2028, 2, 29);
        QTest::newRow("autumn term, first day")
            << P::ThisTerm << QDate(2026, 9, 1) << QDate(2026, 9, 1) << QDate(2026, 12, 31);
        QTest::newRow("autumn term, last day")
            << P::ThisTerm << QDate(2026, 12, 31) << QDate(2026, 9, 1) << QDate(2026, 12, 31);
        QTest::newRow("spring term, first day")
            << P::ThisTerm << QDate(2027, 1, 1) << QDate(2027, 1, 1) << QDate(2027, 5, 31);
        QTest::newRow("summer: the spring term just ended")
            << P::ThisTerm << QDate(2027, 7, 15) << QDate(2027, 1, 1) << QDate(2027, 5, 31);
        QTest::newRow("school year in autumn")
            << P::ThisSchoolYear << QDate(2026, 9, 1) << QDate(2026, 9, 1) << QDate(2027, 8, 31);
        QTest::newRow("school year in spring")
            << P::ThisSchoolYear << QDate(2027, 5, 31) << QDate(2026, 9, 1) << QDate(2027, 8, 31);
        QTest::newRow("school year, 31 August")
            << P::ThisSchoolYear << QDate(2027, 8, 31) << QDate(2026, 9, 1) << QDate(2027, 8, 31);
        QTest::newRow("all") << P::All << QDate(2027, 8, 31) << QDate() << QDate();
    }
    void presetPeriods() {
        QFETCH(PeriodPreset, preset);
        QFETCH(QDate, today);
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        const DateFilter period = presetPeriod(preset, today);
        QCOMPARE(period.from, from);
        QCOMPARE(period.to, to);
    }

    // The period heads every export, so a sheet never shows numbers without their days.
    void periodOnExports() {
        QCOMPARE(periodText({}), QStringLiteral("Період: усі дні"));
        QCOMPARE(periodText({QDate(2026, 3, 2), QDate(2026, 3, 8)}),
                 QStringLiteral("Період: 2026-03-02 – 2026-03-08"));
        QCOMPARE(periodText({QDate(2026, 3, 2), QDate()}), QStringLiteral("Період: з 2026-03-02"));
        ClassView view;
        view.period = {QDate(2026, 9, 1), QDate(2026, 12, 31)};
        QVERIFY(classCsv(view).startsWith(QByteArray("\xEF\xBB\xBF") +
                                          QStringLiteral("Період;2026-09-01 – 2026-12-31\r\n").toUtf8()));
    }

    // The book of classes survives a round trip through its file; a file that
    // is not one gives an empty book rather than a failure to start.
    void classBookKeepsClasses() {
        QTemporaryDir dir;
        const QString path = dir.filePath("deep/folder/zorna-results.json");
        ClassBook book;
        QVERIFY(book.addClass(QStringLiteral(" 3-А ")));
        QVERIFY(!book.addClass(QStringLiteral("3-а")));
        QVERIFY(book.addClass(QStringLiteral("4-Б")));
        book.addSource(QStringLiteral("3-А"), QStringLiteral("/media/флешка/3-А"));
        book.addSource(QStringLiteral("3-А"), QStringLiteral("/media/флешка/3-А"));
        QVERIFY(book.joinNames(QStringLiteral("3-А"), QStringLiteral("Оля"), QStringLiteral("Оля Коваль")));
        book.setLastClass(QStringLiteral("3-А"));
        QVERIFY(book.save(path));
        ClassBook read = ClassBook::load(path);
        QCOMPARE(read.classes(), book.classes());
        QCOMPARE(read.lastClass(), QStringLiteral("3-А"));
        QCOMPARE(read.classes()[0].name, QStringLiteral("3-А"));
        QCOMPARE(read.classes()[0].sources, QStringList{"/media/флешка/3-А"});
        put(path, "{ not json");
        QVERIFY(ClassBook::load(path).classes().empty());
        QVERIFY(ClassBook::load(dir.filePath("none.json")).classes().empty());
    }

    // Joined names follow chains and never loop.
    void joinedNames() {
        ClassBook book;
        book.addClass(QStringLiteral("3-А"));
        QVERIFY(book.joinNames("3-А", "Оля", "Оля К."));
        QVERIFY(book.joinNames("3-А", "Оля К.", "Оля Коваль"));
        QVERIFY(!book.joinNames("3-А", "Оля Коваль", "оля"));
        QVERIFY(!book.joinNames("3-А", "Петро", " петро "));
        QVERIFY(!book.joinNames("4-Б", "Петро", "Ян"));
        const auto& joins = book.classes()[0].joinedNames;
        QCOMPARE(joinedKey(joins, pupilKey("ОЛЯ")), pupilKey("Оля Коваль"));
        QCOMPARE(joinedKey(joins, pupilKey("Петро")), pupilKey("Петро"));
        // A loop written into the file by hand ends where it began.
        const std::map<QString, QString> loop{{"a", "b"}, {"b", "a"}};
        QCOMPARE(joinedKey(loop, "a"), QStringLiteral("a"));
    }

    void medians_data() {
        QTest::addColumn<QList<double>>("values");
        QTest::addColumn<double>("middle");
        QTest::newRow("odd count") << QList<double>{9, 1, 4} << 4.0;
        QTest::newRow("even count: mean of the middle two") << QList<double>{8, 2, 4, 100} << 6.0;
        QTest::newRow("one") << QList<double>{2.5} << 2.5;
    }
    void medians() {
        QFETCH(QList<double>, values);
        QFETCH(double, middle);
        QCOMPARE(median(std::vector<double>(values.begin(), values.end())), std::optional<double>(middle));
        QCOMPARE(median({}), std::optional<double>());
    }

    // Time per task, the tasks failed most and the months, from a pupil's answers.
    void pupilDetails() {
        QTemporaryDir dir;
        FixedNow now;
        now.ms = msAt(2026, 1, 30);
        {
            journal::Journal pc(dir.filePath("results.sqlite"), now.fn());
            const QString olya = QStringLiteral("Оля");
            QVERIFY(pc.gameStarted({olya}));
            QVERIFY(pc.taskResult(answer(1, olya, 7, 1, false, 4000)));
            QVERIFY(pc.taskResult(answer(1, olya, 7, 1, false, 10000)));
            QVERIFY(pc.taskResult(answer(1, olya, 3, 1, false, 6000)));
            now.ms = msAt(2026, 2, 2);
            QVERIFY(pc.taskResult(answer(1, olya, 3, 1, true, 1000)));
            QVERIFY(pc.taskResult(answer(1, olya, 9, 2, true, 2000)));
        }
        JournalSet journals;
        journals.add(dir.filePath("results.sqlite"));
        const PupilView view = buildPupilView(journals, pupilKey("Оля"), {});
        QCOMPARE(view.medianSeconds[0], std::optional<double>(5.0));
        QCOMPARE(view.medianSeconds[1], std::optional<double>(2.0));
        QCOMPARE(view.medianSeconds[2], std::optional<double>());
        QCOMPARE(view.mostFailed, (std::vector<TaskFailures>{{7, 7, 2, 2}, {3, 3, 1, 2}}));
        QCOMPARE(view.months[0],
                 (std::vector<MonthTally>{{QDate(2026, 1, 1), 0, 3}, {QDate(2026, 2, 1), 1, 1}}));
        QCOMPARE(view.months[1], (std::vector<MonthTally>{{QDate(2026, 2, 1), 1, 1}}));
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
