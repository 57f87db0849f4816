#pragma once

// Two classroom computers' journals with a few games, the same pupil typed
// differently on each, and a game saved on one day and continued the next.

#include "journal/journal.h"
#include "journal/journal_fixture.h"

#include <QDir>

namespace zorna::test {

// pc1: «Оля» and «Петро» play on Monday 2026-03-02, save into Save/1, and
// finish the game on Tuesday (Петро first). pc2: « оля » and «Ян» play on
// Monday 2026-03-09 and Ян finishes first.
inline void writeClassJournals(const QString& folder) {
    using journal::Journal;
    QDir().mkpath(folder + "/pc1");
    QDir().mkpath(folder + "/pc2");
    FixedNow now;
    {
        Journal pc1(folder + "/pc1/results.sqlite", now.fn());
        const QStringList players{QStringLiteral("Оля"), QStringLiteral("Петро")};
        QVERIFY(pc1.gameStarted(players));
        QVERIFY(pc1.taskResult(answer(1, players[0], 1, 1, true)));
        QVERIFY(pc1.taskResult(answer(2, players[1], 1, 1, false)));
        QVERIFY(pc1.taskResult(answer(1, players[0], 2, 2, true)));
        QVERIFY(pc1.taskResult(answer(2, players[1], 2, 2, true)));
        QVERIFY(pc1.saved(QStringLiteral("1")));
        now.ms = msAt(2026, 3, 3);
        QVERIFY(pc1.gameRestored(QStringLiteral("1"), players));
        QVERIFY(pc1.taskResult(answer(1, players[0], 3, 3, false)));
        QVERIFY(pc1.taskResult(answer(2, players[1], 3, 3, true)));
        QVERIFY(pc1.finished(2, 1));
        QVERIFY(pc1.finished(1, 2));
    }
    now.ms = msAt(2026, 3, 9);
    Journal pc2(folder + "/pc2/results.sqlite", now.fn());
    QVERIFY(pc2.gameStarted({QStringLiteral(" оля "), QStringLiteral("Ян")}));
    QVERIFY(pc2.taskResult(answer(1, QStringLiteral(" оля "), 1, 1, true)));
    QVERIFY(pc2.taskResult(answer(2, QStringLiteral("Ян"), 1, 1, true)));
    QVERIFY(pc2.taskResult(answer(1, QStringLiteral(" оля "), 2, 7, false)));
    QVERIFY(pc2.finished(2, 1));
}

// The CSV of «Оля» from these journals, as the pupils page exports it: the
// games newest first, date and time as on the screen, counts and shares apart.
inline QByteArray olyaCsv() {
    return QByteArray("\xEF\xBB\xBF") +
           QStringLiteral("Учень;Оля\r\n"
                          "Період;усі дні\r\n"
                          "\r\n"
                          "Дата і час;Партнери;Місце;Завдань;Правильно;Правильно, %\r\n"
                          "2026-03-09 10:00;Ян;;2;1;50\r\n"
                          "2026-03-02 10:00;Петро;2;3;2;67\r\n"
                          "\r\n"
                          "Категорія;Завдань;Правильно;Правильно, %;Час на завдання, с\r\n"
                          "На стійкість уваги та спостережливість;2;2;100;1.5\r\n"
                          "На аналітичне сприйняття;1;1;100;1.5\r\n"
                          "На просторову уяву і просторове мислення;1;0;0;1.5\r\n"
                          "На умовиводи при співставленні предметів та подій;0;0;;\r\n"
                          "На логічне мислення;0;0;;\r\n"
                          "На розвиток реакції;0;0;;\r\n"
                          "На зорову пам'ять;1;0;0;1.5\r\n"
                          "\r\n"
                          "Тиждень з;Завдань;Правильно;Правильно, %\r\n"
                          "2026-03-02;3;2;67\r\n"
                          "2026-03-09;2;1;50\r\n")
               .toUtf8();
}

// The class CSV of these journals: per category the tasks, the right ones and
// the share (empty without tasks, so 0 means all wrong).
inline QByteArray classCsvOfJournals() {
    QString header = QStringLiteral("Учень;Ігор;Завдань;Правильно;Правильно, %;Перший день;Останній день");
    for (const char* title :
         {"На стійкість уваги та спостережливість", "На аналітичне сприйняття",
          "На просторову уяву і просторове мислення", "На умовиводи при співставленні предметів та подій",
          "На логічне мислення", "На розвиток реакції", "На зорову пам'ять"})
        header += QStringLiteral(";%1: завдань;%1: правильно;%1: правильно, %").arg(QString::fromUtf8(title));
    const QString none = QStringLiteral(";0;0;");
    return QByteArray("\xEF\xBB\xBF") +
           (QStringLiteral("Період;усі дні\r\n") + header + QStringLiteral("\r\n") +
            QStringLiteral("Оля;2;5;3;60;2026-03-02;2026-03-09;2;2;100;1;1;100;1;0;0") + none + none + none +
            QStringLiteral(";1;0;0\r\n") +
            QStringLiteral("Петро;1;3;2;67;2026-03-02;2026-03-03;1;0;0;1;1;100;1;1;100") + none + none +
            none + none + QStringLiteral("\r\n") +
            QStringLiteral("Ян;1;1;1;100;2026-03-09;2026-03-09;1;1;100") + none + none + none + none + none +
            none + QStringLiteral("\r\n"))
               .toUtf8();
}

} // namespace zorna::test
