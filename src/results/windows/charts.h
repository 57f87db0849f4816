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
// Every pupil's share right per category, side by side.
QChart* classChart(const ClassView& view);

// Puts the chart into the view and deletes the one it showed before.
void replaceChart(QChartView* view, QChart* chart);

// A category title in two lines of about equal length, for chart axes.
QString twoLineTitle(int category);

} // namespace zorna::results
