#include "results/windows/tables.h"

#include "results/model/result_tables.h"
#include "results/windows/charts.h"

#include <QHeaderView>
#include <QTableView>

namespace zorna::results {

ResultsProxy::ResultsProxy(QObject* parent) : QSortFilterProxyModel(parent) {
    setSortRole(kSortRole);
    setSortLocaleAware(true);
    setFilterKeyColumn(0);
    setFilterCaseSensitivity(Qt::CaseInsensitive);
}

QVariant ResultsProxy::data(const QModelIndex& index, int role) const {
    if (role == Qt::BackgroundRole || role == Qt::ForegroundRole) {
        const QString header = headerData(index.column(), Qt::Horizontal, Qt::DisplayRole).toString();
        const QString text = QSortFilterProxyModel::data(index, Qt::DisplayRole).toString();
        if (header.endsWith(QLatin1Char('%')) && !text.isEmpty())
            return role == Qt::BackgroundRole ? QVariant(shareColour(text.toInt()))
                                              : QVariant(QColor(Qt::black));
    }
    return QSortFilterProxyModel::data(index, role);
}

QTableView* makeTableView(QAbstractItemModel* model, QObject* owner) {
    auto* proxy = new ResultsProxy(owner);
    proxy->setSourceModel(model);
    auto* view = new QTableView;
    view->setModel(proxy);
    view->setSortingEnabled(true);
    view->sortByColumn(-1, Qt::AscendingOrder);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->verticalHeader()->hide();
    view->setWordWrap(true);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    view->horizontalHeader()->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    return view;
}

ResultsProxy* proxyOf(QTableView* view) {
    return static_cast<ResultsProxy*>(view->model());
}

} // namespace zorna::results
