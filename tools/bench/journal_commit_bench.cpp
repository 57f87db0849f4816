// zorna_journal_bench: what one row of the results journal costs the game. The
// answer row is written while a task window closes, so its commit (synced to
// the disk) must not delay the closing visibly.
//   build/tools/bench/zorna_journal_bench [folder on the disk to measure] [rows]
// Prints min, median and max of one row's commit through the game's writer
// (rollback journal, every commit synced) and, for comparison, of the same
// insert in write-ahead-log mode synced at checkpoints only.
#include "journal/journal.h"
#include "journal/sqlite_file.h"
#include "stats.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

using namespace zorna;

namespace {

void print(const char* what, QList<double> ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("%-44s min %6.2f ms  median %6.2f ms  p95 %6.2f ms  max %6.2f ms  (%lld rows)\n", what,
                ms.first(), bench::median(ms), ms[qsizetype(double(ms.size() - 1) * 0.95)], ms.last(),
                qint64(ms.size()));
}

journal::AnswerRecord answerNumber(int i) {
    return {1 + i % 2,  i % 2 ? QStringLiteral("Петро") : QStringLiteral("Оля"),
            1 + i % 32, 1 + i % 32,
            1 + i % 7,  i % 3 != 0,
            5000};
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTemporaryDir scratch(args.size() > 1 ? args[1] + QStringLiteral("/journal-bench-XXXXXX") : QString());
    const int rows = args.size() > 2 ? args[2].toInt() : 200;
    if (!scratch.isValid() || rows < 1)
        return 2;

    QList<double> writerMs;
    {
        journal::Journal journal(scratch.filePath(QStringLiteral("results.sqlite")));
        if (!journal.gameStarted({QStringLiteral("Оля"), QStringLiteral("Петро")}))
            return 1;
        QElapsedTimer timer;
        for (int i = 0; i < rows; ++i) {
            timer.start();
            if (!journal.taskResult(answerNumber(i)))
                return 1;
            writerMs.append(double(timer.nsecsElapsed()) / 1e6);
        }
    }

    QList<double> walMs;
    {
        journal::SqliteFile file(scratch.filePath(QStringLiteral("wal.sqlite")),
                                 journal::SqliteFile::Mode::ReadWrite);
        QSqlQuery query(file.db());
        query.exec(QStringLiteral("PRAGMA journal_mode = WAL"));
        query.exec(QStringLiteral("PRAGMA synchronous = NORMAL"));
        query.exec(
            QStringLiteral("CREATE TABLE answers(id INTEGER PRIMARY KEY, game_id, at_ms, player, name, "
                           "square, task, category, correct, open_ms)"));
        query.prepare(
            QStringLiteral("INSERT INTO answers(game_id, at_ms, player, name, square, task, category, "
                           "correct, open_ms) VALUES (1, ?, ?, ?, ?, ?, ?, ?, 5000)"));
        QElapsedTimer timer;
        for (int i = 0; i < rows; ++i) {
            const journal::AnswerRecord r = answerNumber(i);
            timer.start();
            for (const QVariant& value :
                 {QVariant(qint64(i)), QVariant(r.player), QVariant(r.name), QVariant(r.square),
                  QVariant(r.task), QVariant(r.category), QVariant(r.right ? 1 : 0)})
                query.addBindValue(value);
            if (!query.exec())
                return 1;
            walMs.append(double(timer.nsecsElapsed()) / 1e6);
        }
    }

    std::printf("folder: %s\n", qPrintable(scratch.path()));
    print("journal row (rollback, synchronous=FULL):", writerMs);
    print("for comparison (WAL, synchronous=NORMAL):", walMs);
    return 0;
}
