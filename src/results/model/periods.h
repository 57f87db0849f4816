#pragma once

#include "results/model/results_model.h"

#include <QDate>
#include <QString>

namespace zorna::results {

// The periods a teacher picks most; Custom keeps the days she chose.
enum class PeriodPreset { All, ThisWeek, ThisMonth, ThisTerm, ThisSchoolYear, Custom };

// The days of a preset around `today`. A week runs Monday to Sunday. Terms run
// 1 September to 31 December and 1 January to 31 May; in the summer the spring
// term just ended is "this term". A school year runs 1 September to 31 August.
// All and Custom give an open filter.
DateFilter presetPeriod(PeriodPreset preset, const QDate& today);

// The preset's name as the period chooser shows it.
QString presetTitle(PeriodPreset preset);

// The days of a filter in words: «усі дні», «2026-03-02 – 2026-03-08»,
// «з 2026-03-02», «по 2026-03-08».
QString periodDays(const DateFilter& filter);
// «Період: » and the days, as printed on every export.
QString periodText(const DateFilter& filter);

} // namespace zorna::results
