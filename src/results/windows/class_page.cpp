#include "results/windows/class_page.h"

#include "results/windows/charts.h"
#include "results/windows/tables.h"

#include <QChartView>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollArea>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

namespace zorna::results {

namespace {

// Width of one pupil's group of seven bars in the class chart.
constexpr int kPupilWidth = 84;

// The class chart's title and legend: the categories' colours with their titles.
QWidget* chartLegend() {
    auto* legend = new QWidget;
    auto* grid = new QGridLayout(legend);
    grid->setContentsMargins(4, 4, 4, 0);
    auto* title = new QLabel(QStringLiteral("Частка правильних відповідей учнів за категоріями, %"));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    grid->addWidget(title, 0, 0, 1, 8);
    for (int c = 1; c <= journal::kCategoryCount; ++c) {
        auto* swatch = new QLabel;
        QPixmap colour(14, 14);
        colour.fill(categoryColour(c));
        swatch->setPixmap(colour);
        const int row = 1 + (c - 1) / 4;
        const int column = 2 * ((c - 1) % 4);
        grid->addWidget(swatch, row, column);
        grid->addWidget(new QLabel(journal::categoryTitle(c)), row, column + 1);
    }
    grid->setColumnStretch(7, 1);
    return legend;
}

} // namespace

ClassPage::ClassPage(QWidget* parent)
    : QWidget(parent), table_(makeTableView(&model_, this)), chartView_(new QChartView) {
    setObjectName(QStringLiteral("class"));
    table_->setObjectName(QStringLiteral("classTable"));
    // Titles wrap in narrow columns; the whole title also shows on hovering.
    QHeaderView* header = table_->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setDefaultSectionSize(110);
    header->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    header->setMinimumHeight(header->fontMetrics().lineSpacing() * 5);
    chartView_->setRenderHint(QPainter::Antialiasing);
    replaceChart(chartView_, classChart({}));
    auto* scroll = new QScrollArea;
    scroll->setWidget(chartView_);
    scroll->setWidgetResizable(true);
    auto* chartPart = new QWidget;
    auto* chartLayout = new QVBoxLayout(chartPart);
    chartLayout->setContentsMargins(0, 0, 0, 0);
    chartLayout->addWidget(chartLegend());
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
    replaceChart(chartView_, classChart(view));
    // Many pupils widen the chart; the scroll bar shows the rest.
    chartView_->setMinimumWidth(std::max(600, 100 + kPupilWidth * int(view.pupils.size())));
}

} // namespace zorna::results
