#include "results/windows/charts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QDateTimeAxis>
#include <QHorizontalStackedBarSeries>
#include <QLegend>
#include <QLineSeries>
#include <QScatterSeries>
#include <QStackedBarSeries>
#include <QValueAxis>

namespace zorna::results {

namespace {

QChart* newChart(const QString& title) {
    auto* chart = new QChart;
    chart->setTitle(title);
    QFont font = chart->titleFont();
    font.setPointSize(11);
    font.setBold(true);
    chart->setTitleFont(font);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundRoundness(0);
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

} // namespace

void replaceChart(QChartView* view, QChart* chart) {
    QChart* old = view->chart();
    view->setChart(chart); // the view lets go of the one it had (its own default chart at first)
    delete old;
}

QString twoLineTitle(int category, const QString& lineBreak) {
    const QString title = journal::categoryTitle(category);
    const int middle = int(title.size() / 2);
    int split = -1;
    for (int i = 0; i < title.size(); ++i)
        if (title[i] == QLatin1Char(' ') && (split < 0 || std::abs(i - middle) < std::abs(split - middle)))
            split = i;
    return split < 0 ? title : title.left(split) + lineBreak + title.mid(split + 1);
}

QChart* categoryChart(const CategoryTallies& categories) {
    QChart* chart = newChart(QStringLiteral("Відповіді за категоріями"));
    auto* right = new QBarSet(QStringLiteral("правильно"));
    auto* wrong = new QBarSet(QStringLiteral("неправильно"));
    right->setColor(rightColour());
    wrong->setColor(wrongColour());
    QStringList titles;
    qint64 longest = 0;
    // The first category at the top.
    for (int c = journal::kCategoryCount; c >= 1; --c) {
        const CategoryTally& tally = categories[std::size_t(c - 1)];
        *right << qreal(tally.right);
        *wrong << qreal(tally.wrong);
        titles << twoLineTitle(c, QStringLiteral("<br>"));
        longest = std::max(longest, tally.total());
    }
    auto* series = new QHorizontalStackedBarSeries;
    series->append(right);
    series->append(wrong);
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsCenter);
    chart->addSeries(series);
    auto* axisY = new QBarCategoryAxis;
    axisY->append(titles);
    chart->addAxis(axisY, Qt::AlignLeft);
    series->attachAxis(axisY);
    auto* axisX = new QValueAxis;
    axisX->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(axisX, Qt::AlignBottom);
    series->attachAxis(axisX);
    axisX->setRange(0, qreal(std::max<qint64>(longest, 4)));
    axisX->applyNiceNumbers();
    return chart;
}

QChart* weekChart(const std::vector<WeekShare>& weeks) {
    QChart* chart = newChart(QStringLiteral("Правильно за тижнями, %"));
    auto* line = new QLineSeries;
    line->setName(QStringLiteral("правильно, %"));
    line->setColor(rightColour());
    auto* points = new QScatterSeries;
    points->setColor(rightColour());
    points->setMarkerSize(7);
    for (const WeekShare& week : weeks) {
        const qreal x = qreal(week.monday.startOfDay().toMSecsSinceEpoch());
        const qreal y = percentRight(week.right, week.total);
        line->append(x, y);
        points->append(x, y);
    }
    chart->addSeries(line);
    chart->addSeries(points);
    chart->legend()->hide();
    auto* axisX = new QDateTimeAxis;
    axisX->setFormat(QStringLiteral("MM.yyyy"));
    axisX->setTickCount(std::clamp(int(weeks.size()), 2, 5));
    if (!weeks.empty()) {
        // One week's margin on each side, so a single week shows as a point.
        axisX->setRange(weeks.front().monday.addDays(-7).startOfDay(),
                        weeks.back().monday.addDays(7).startOfDay());
    }
    chart->addAxis(axisX, Qt::AlignBottom);
    auto* axisY = new QValueAxis;
    axisY->setRange(0, 100);
    axisY->setLabelFormat(QStringLiteral("%d"));
    axisY->setTickCount(6);
    chart->addAxis(axisY, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(axisX);
        series->attachAxis(axisY);
    }
    return chart;
}

QChart* classChart(const ClassView& view) {
    QChart* chart = newChart(QString());
    auto* series = new QBarSeries;
    for (int c = 1; c <= journal::kCategoryCount; ++c) {
        auto* set = new QBarSet(journal::categoryTitle(c));
        set->setColor(categoryColour(c));
        for (const PupilRow& pupil : view.pupils) {
            const CategoryTally& tally = pupil.categories[std::size_t(c - 1)];
            *set << qreal(percentRight(tally.right, tally.total()));
        }
        series->append(set);
    }
    chart->addSeries(series);
    QStringList names;
    for (const PupilRow& pupil : view.pupils)
        names << pupil.name;
    auto* axisX = new QBarCategoryAxis;
    axisX->append(names);
    chart->addAxis(axisX, Qt::AlignBottom);
    series->attachAxis(axisX);
    auto* axisY = new QValueAxis;
    axisY->setRange(0, 100);
    axisY->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(axisY, Qt::AlignLeft);
    series->attachAxis(axisY);
    chart->legend()->hide();
    return chart;
}

} // namespace zorna::results
