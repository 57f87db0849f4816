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
    const auto forgetColumns = [this] { shareColumns_.clear(); };
    connect(this, &QAbstractItemModel::modelReset, this, forgetColumns);
    connect(this, &QAbstractItemModel::headerDataChanged, this, forgetColumns);
    connect(this, &QAbstractItemModel::columnsInserted, this, forgetColumns);
    connect(this, &QAbstractItemModel::columnsRemoved, this, forgetColumns);
    connect(this, &QAbstractItemModel::columnsMoved, this, forgetColumns);
}

bool ResultsProxy::isShareColumn(int column) const {
    if (shareColumns_.size() != std::size_t(columnCount())) {
        shareColumns_.assign(std::size_t(columnCount()), false);
        for (int c = 0; c < columnCount(); ++c)
            shareColumns_[std::size_t(c)] =
                headerData(c, Qt::Horizontal, Qt::DisplayRole).toString().endsWith(QLatin1Char('%'));
    }
    return column >= 0 && std::size_t(column) < shareColumns_.size() && shareColumns_[std::size_t(column)];
}

QVariant ResultsProxy::data(const QModelIndex& index, int role) const {
    if ((role == Qt::BackgroundRole || role == Qt::ForegroundRole) && isShareColumn(index.column())) {
        const QString text = QSortFilterProxyModel::data(index, Qt::DisplayRole).toString();
        if (!text.isEmpty())
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
