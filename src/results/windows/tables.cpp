#include "results/windows/tables.h"

#include <QHeaderView>
#include <QTableWidget>

namespace zorna::results {

QTableWidget* makeTable(const QStringList& headers) {
    auto* table = new QTableWidget(0, int(headers.size()));
    table->setHorizontalHeaderLabels(headers);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->setAlternatingRowColors(true);
    return table;
}

void setRow(QTableWidget* table, int row, const QStringList& texts, int textColumns) {
    for (int column = 0; column < texts.size(); ++column) {
        auto* item = new QTableWidgetItem(texts[column]);
        item->setTextAlignment(column < textColumns ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
        table->setItem(row, column, item);
    }
}

} // namespace zorna::results
