#pragma once

#include <QString>

#include <map>

namespace zorna::results {

// The key under which one pupil's answers are merged: the name as typed with
// spaces at the ends dropped and letter case ignored ("оля " and "Оля" are one
// pupil). The Ukrainian apostrophe is typed in several ways (', ’, ʼ); they
// count as one.
QString pupilKey(const QString& typed);

// The spelling to show for a pupil: the trimmed spelling with the most answers
// (the first in alphabetical order of those with as many).
QString preferredSpelling(const std::map<QString, qint64>& answersBySpelling);

// Compares names in Ukrainian alphabetical order (є after е, і and ї after и).
bool ukrainianLess(const QString& a, const QString& b);

} // namespace zorna::results
