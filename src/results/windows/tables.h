#pragma once

#include <QSortFilterProxyModel>

class QAbstractItemModel;
class QTableView;

namespace zorna::results {

// What a results table shows on the screen beyond its model: sorting by the
// cells' values, a search in the first column, and the share columns ("… %")
// coloured by the share right.
class ResultsProxy : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit ResultsProxy(QObject* parent = nullptr);
    QVariant data(const QModelIndex& index, int role) const override;
};

// A read-only sortable table view of `model` (through a ResultsProxy), whole
// rows selected.
QTableView* makeTableView(QAbstractItemModel* model, QObject* owner);
ResultsProxy* proxyOf(QTableView* view);

} // namespace zorna::results
