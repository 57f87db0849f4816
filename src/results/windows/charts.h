#pragma once

#include "results/model/results_model.h"
#include "results/windows/chart_painter.h"

#include <QChart>

class QChartView;

namespace zorna::results {

// The colours (rightColour(), categoryColour(), …) are chart_painter.h's.

// Right and wrong answers of one pupil per category, as horizontal bars.
QChart* categoryChart(const CategoryTallies& categories);
// The share right per week over the whole period.
QChart* weekChart(const std::vector<WeekShare>& weeks);
// Every pupil's share right per category, side by side; the legend is left
// to the page (see categoryColour), which keeps it in view beside a wide chart.
QChart* classChart(const ClassView& view);

// Puts the chart into the view and deletes the one it showed before.
void replaceChart(QChartView* view, QChart* chart);

// A category title in two lines of about equal length, split by `lineBreak`
// ("<br>" for chart axes, which take HTML, "\n" for table headers).
QString twoLineTitle(int category, const QString& lineBreak);

} // namespace zorna::results
