#include "results/windows/class_page.h"

#include "results/windows/charts.h"
#include "results/windows/tables.h"

#include <QChartView>
#include <QHeaderView>
#include <QScrollArea>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zorna::results {

namespace {

// Width of one pupil's group of seven bars in the class chart.
constexpr int kPupilWidth = 90;

QStringList headers() {
    QStringList titles{QStringLiteral("Учень")};
    for (int c = 1; c <= journal::kCategoryCount; ++c)
        titles << twoLineTitle(c);
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

} // namespace

ClassPage::ClassPage(QWidget* parent)
    : QWidget(parent), table_(makeTable(headers())), chartView_(new QChartView) {
    setObjectName(QStringLiteral("class"));
    table_->setObjectName(QStringLiteral("classTable"));
    table_->setAlternatingRowColors(false);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    chartView_->setRenderHint(QPainter::Antialiasing);
    chartView_->setChart(classChart({}));
    auto* scroll = new QScrollArea;
    scroll->setWidget(chartView_);
    scroll->setWidgetResizable(true);
    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->addWidget(table_);
    splitter->addWidget(scroll);
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
    chartView_->setMinimumWidth(std::max(600, 300 + kPupilWidth * int(view.pupils.size())));
}

} // namespace zorna::results
