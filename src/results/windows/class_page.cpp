#include "results/windows/class_page.h"

#include "results/windows/charts.h"
#include "results/windows/tables.h"

#include <QChartView>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollArea>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zorna::results {

namespace {

// Width of one pupil's group of seven bars in the class chart.
constexpr int kPupilWidth = 84;

QStringList headers() {
    QStringList titles{QStringLiteral("Учень")};
    for (int c = 1; c <= journal::kCategoryCount; ++c)
        titles << twoLineTitle(c, QStringLiteral("\n"));
    titles << QStringLiteral("Усього");
    return titles;
}

// "83 % (25 з 30)" on the share's colour; an empty cell without answers.
void setShareCell(QTableWidget* table, int row, int column, qint64 right, qint64 total) {
    auto* item = new QTableWidgetItem;
    item->setTextAlignment(Qt::AlignCenter);
    if (total > 0) {
        const int percent = percentRight(right, total);
        item->setText(QStringLiteral("%1 % (%2 з %3)").arg(percent).arg(right).arg(total));
        item->setBackground(shareColour(percent));
        item->setForeground(Qt::black);
    }
    table->setItem(row, column, item);
}

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
    : QWidget(parent), table_(makeTable(headers())), chartView_(new QChartView) {
    setObjectName(QStringLiteral("class"));
    table_->setObjectName(QStringLiteral("classTable"));
    table_->setAlternatingRowColors(false);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    // A narrow column may cut its title: the whole title shows on hovering.
    for (int c = 1; c <= journal::kCategoryCount; ++c)
        table_->horizontalHeaderItem(c)->setToolTip(journal::categoryTitle(c));
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
    table_->setRowCount(int(view.pupils.size()));
    for (int row = 0; row < int(view.pupils.size()); ++row) {
        const PupilRow& pupil = view.pupils[std::size_t(row)];
        table_->setItem(row, 0, new QTableWidgetItem(pupil.name));
        for (int c = 0; c < journal::kCategoryCount; ++c)
            setShareCell(table_, row, c + 1, pupil.categories[std::size_t(c)].right,
                         pupil.categories[std::size_t(c)].total());
        setShareCell(table_, row, journal::kCategoryCount + 1, pupil.right(), pupil.answered());
    }
    replaceChart(chartView_, classChart(view));
    // Many pupils widen the chart; the scroll bar shows the rest.
    chartView_->setMinimumWidth(std::max(600, 100 + kPupilWidth * int(view.pupils.size())));
}

} // namespace zorna::results
