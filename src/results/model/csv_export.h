#pragma once

#include "results/model/results_model.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace zorna::results {

// CSV for spreadsheets: UTF-8 with a byte order mark, ";" between fields,
// CRLF line ends, the period first; the tables' columns and texts are the
// screen's (see result_tables.h).

// One field, quoted when it holds a separator, a quote or a line end. A text
// that a spreadsheet would take for a formula (=, +, -, @ first) gets a leading
// apostrophe.
QString csvField(const QString& text);

// The class view: the class table.
QByteArray classCsv(const ClassView& view);

// One pupil: the games (newest first), then the categories, then the weeks,
// each a table with its header line, separated by an empty line.
QByteArray pupilCsv(const PupilView& view);

} // namespace zorna::results
