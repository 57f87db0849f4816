#pragma once

#include <QStringList>

class QTableWidget;

namespace zorna::results {

// A read-only table with these column headers, whole rows selected.
QTableWidget* makeTable(const QStringList& headers);
// Fills a row with texts; numbers (all but the first column) are centred.
void setRow(QTableWidget* table, int row, const QStringList& texts);

} // namespace zorna::results
