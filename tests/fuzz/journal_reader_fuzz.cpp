// A results journal from another computer: any bytes are read or refused
// without harm. What is read keeps to the ranges the results program relies
// on, and in an intact file (a damaged one can have an index that disagrees
// with its table, which SQLite only finds in a full check) a pupil's own view
// never counts more answers than the class view.
#include "fuzz_input.h"
#include "journal/categories.h"
#include "journal/journal_reader.h"
#include "journal/sqlite_file.h"
#include "results/model/journal_set.h"
#include "results/model/results_model.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlQuery>

using namespace zorna;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static int argc = 1;
    static char name[] = "fuzz_journal_reader";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv); // Qt SQL loads its driver through the application
    const QString path = fuzz::writeScratchFile(QStringLiteral("results.sqlite"), data, size);
    // SQLite's own files beside the journal belong to the previous input.
    for (const char* side : {"-journal", "-wal", "-shm"})
        QFile::remove(path + QLatin1String(side));
    {
        journal::JournalReader reader(path);
        for (const journal::GameRow& game : reader.games()) {
            fuzz::expect(game.names.size() <= 3, "at most three players");
            for (const auto& [player, place] : game.places)
                fuzz::expect(player >= 1 && player <= 3 && place >= 1 && place <= 3,
                             "places of players 1..3");
        }
        fuzz::expect(reader.problem() != journal::JournalReader::Problem::None ||
                         (!reader.identity().id.isEmpty() && reader.rowCount() >= reader.answerCount() &&
                          reader.answerCount() >= 0),
                     "a journal read has an id and counts its rows");
        for (const journal::CategoryCount& count : reader.categoryCounts({}))
            fuzz::expect(journal::isCategory(count.category) && count.count > 0, "counts in categories 1..7");
    }
    bool intact = false;
    {
        journal::SqliteFile file(path, journal::SqliteFile::Mode::ReadOnly);
        QSqlQuery check(file.db());
        intact = check.exec(QStringLiteral("PRAGMA integrity_check")) && check.next() &&
                 check.value(0).toString() == QLatin1String("ok");
    }
    results::JournalSet journals;
    journals.add(path);
    const results::ClassView view = results::buildClassView(journals, {});
    for (std::size_t i = 0; intact && i < view.pupils.size() && i < 3; ++i) {
        const results::PupilRow& row = view.pupils[i];
        const results::PupilView pupil = results::buildPupilView(journals, row.key, {});
        for (int c = 0; c < journal::kCategoryCount; ++c)
            fuzz::expect(pupil.categories[std::size_t(c)].total() <= row.categories[std::size_t(c)].total(),
                         "a pupil's answers are among the class's");
    }
    return 0;
}
