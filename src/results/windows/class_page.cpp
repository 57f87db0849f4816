#include "results/windows/class_page.h"

#include "results/windows/chart_widget.h"
#include "results/windows/charts.h"
#include "results/windows/tables.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollArea>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

namespace zorna::results {

ClassPage::ClassPage(QWidget* parent)
    : QWidget(parent), table_(makeTableView(&model_, this)), chartView_(new ChartWidget) {
    setObjectName(QStringLiteral("class"));
    table_->setObjectName(QStringLiteral("classTable"));
    // Titles wrap in narrow columns; the whole title also shows on hovering.
    QHeaderView* header = table_->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setDefaultSectionSize(150);
    // The name and the totals as wide as they need; the category columns
    // wide enough for their titles' longest word.
    for (int column = 0; column <= 6; ++column)
        header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    header->setMinimumHeight(header->fontMetrics().lineSpacing() * 5);
    chartView_->setObjectName(QStringLiteral("classChart"));
    chartView_->setChart(classChart({}));
    auto* scroll = new QScrollArea;
    scroll->setWidget(chartView_);
    scroll->setWidgetResizable(true);
    auto* chartPart = new QWidget;
    auto* chartLayout = new QVBoxLayout(chartPart);
    chartLayout->setContentsMargins(0, 0, 0, 0);
    chartLayout->addWidget(scroll, 1);
    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->addWidget(table_);
    splitter->addWidget(chartPart);
    splitter->setSizes({380, 420});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);
}

void ClassPage::showClass(const ClassView& view) {
    model_.setRows(view.pupils);
    chartView_->setChart(classChart(view));
}

} // namespace zorna::results
