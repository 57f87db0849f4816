#pragma once

#include "results/model/results_model.h"
#include "results/windows/chart_painter.h"

#include <memory>

namespace zorna::results {

// The results program's charts of its views; the colours (rightColour(),
// categoryColour(), …) are chart_painter.h's.

// Right and wrong answers of one pupil per category, a bar per category.
std::unique_ptr<Chart> categoryChart(const CategoryTallies& categories);
// The share right over the period, in buckets that widen with the span.
std::unique_ptr<Chart> weekChart(const std::vector<WeekShare>& weeks);
// Each category's share right by month, a line per category.
std::unique_ptr<Chart> monthChart(const PupilView& pupil);
// Every pupil's share right, a group per category and a named bar per pupil.
std::unique_ptr<Chart> classChart(const ClassView& view);

// A chart painted into a picture `width` pixels wide at its own height, for
// the PDF (scale 2 draws it sharper than the screen).
QImage chartPicture(const Chart& chart, int width, qreal scale = 2);

} // namespace zorna::results
