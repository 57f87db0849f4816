// Writes task results into the journal given as the only argument as fast as
// it can and prints the number of rows written after each one, until it is
// killed: the parent test kills it at a chosen count and checks the file.
#include "journal/journal.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    zorna::journal::Journal journal(QString::fromLocal8Bit(argv[1]));
    if (!journal.gameStarted({QStringLiteral("Оля"), QStringLiteral("Петро")}))
        return 1;
    for (long written = 1;; ++written) {
        const int player = int(written % 2) + 1;
        if (!journal.taskResult({player, player == 1 ? QStringLiteral("Оля") : QStringLiteral("Петро"),
                                 int(written % 32) + 1, int(written % 32) + 1, int(written % 7) + 1,
                                 written % 3 != 0, written}))
            return 1;
        std::printf("%ld\n", written);
        std::fflush(stdout);
    }
}
