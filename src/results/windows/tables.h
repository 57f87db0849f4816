#pragma once

#include <QStringList>

class QTableWidget;

namespace zorna::results {

// A read-only table with these column headers, whole rows selected.
QTableWidget* makeTable(const QStringList& headers);
// Fills a row with texts: the first `textColumns` columns (names) to the left,
// the others (numbers and dates) centred.
void setRow(QTableWidget* table, int row, const QStringList& texts, int textColumns = 1);

} // namespace zorna::results
