#pragma once

#include "results/model/results_model.h"

#include <QString>

#include <functional>

namespace zorna::results {

class JournalSet;

// A report on one pupil for a parent meeting: the name and the period, the
// totals, the charts by category and over time (the screen's), the categories
// and the games, newest first. Laid out as HTML tables with the screen's
// columns and texts.
// `taskName` names the tasks failed most (the game's captions).
bool writePupilReport(const QString& path, const PupilView& pupil,
                      const std::function<QString(int square)>& taskName = {});

// A report on a class: the class table on the first pages (landscape), then a
// page per pupil with the categories and the games.
bool writeClassReport(const QString& path, const QString& className, const ClassView& view,
                      JournalSet& journals, const std::function<QString(int square)>& taskName = {});

} // namespace zorna::results
