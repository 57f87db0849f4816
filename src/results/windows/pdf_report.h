#pragma once

#include "results/model/results_model.h"

#include <QString>

class QChartView;

namespace zorna::results {

// A one-page A4 report on one pupil for a parent meeting: the name and the
// period, the totals, the charts by category and by week (drawn from the views
// that show them), and the latest games.
bool writePupilReport(const QString& path, const PupilView& pupil, const DateFilter& filter,
                      QChartView* categoryView, QChartView* weekView);

// "за весь час", "з 2026-03-02", "2026-03-02 — 2026-05-29".
QString periodText(const DateFilter& filter);

} // namespace zorna::results
