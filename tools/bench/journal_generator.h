#pragma once

#include <QString>

namespace bench {

// A school's journals for the results program's benchmark: one results.sqlite
// per classroom computer (in subfolders pc01, pc02, …) over school years of
// school days, about `rowsPerDay` task results a day on each computer. Pupils
// belong to classes that share a few computers, play games of two or three, now
// and then save a game and continue it the next day, and type their names with
// the odd difference in letter case or spaces. Deterministic for a seed.
struct SchoolShape {
    int computers = 30;
    int years = 4;
    int daysPerYear = 200;
    int rowsPerDay = 60;
    quint32 seed = 2026;
};

// Writes the journals into `folder` (made when missing); returns the number of
// task results written, or -1 when a file could not be written.
qint64 generateSchoolJournals(const QString& folder, const SchoolShape& shape);

} // namespace bench
