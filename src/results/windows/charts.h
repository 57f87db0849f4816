#pragma once

#include "results/model/results_model.h"

#include <QChart>

class QChartView;

namespace zorna::results {

// The colours of right and wrong answers everywhere in the program.
QColor rightColour();
QColor wrongColour();
// A cell's colour for a share right: red at 0 %, yellow at 50 %, green at 100 %.
QColor shareColour(int percent);

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

// The colour of a category in the class chart.
QColor categoryColour(int category);

} // namespace zorna::results
