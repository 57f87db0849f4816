#pragma once

#include <QSortFilterProxyModel>

#include <vector>

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

private:
    // Whether a column is a share column, by column: read from the headers once
    // after they change (a table fitting its columns asks every cell's colours).
    bool isShareColumn(int column) const;
    mutable std::vector<bool> shareColumns_;
};

// A read-only sortable table view of `model` (through a ResultsProxy), whole
// rows selected.
QTableView* makeTableView(QAbstractItemModel* model, QObject* owner);
ResultsProxy* proxyOf(QTableView* view);

} // namespace zorna::results
