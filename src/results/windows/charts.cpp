#include "results/windows/charts.h"

#include "journal/categories.h"

#include <QImage>
#include <QPainter>

namespace zorna::results {

std::unique_ptr<Chart> categoryChart(const CategoryTallies& categories) {
    std::vector<AnswerRow> rows;
    for (int c = 1; c <= journal::kCategoryCount; ++c) {
        const CategoryTally& tally = categories[std::size_t(c - 1)];
        rows.push_back({journal::categoryTitle(c), tally.right, tally.wrong});
    }
    return std::make_unique<StackedBarChart>(QStringLiteral("Відповіді за категоріями"), std::move(rows));
}

std::unique_ptr<Chart> weekChart(const std::vector<WeekShare>& weeks) {
    TimeSeries series{QString(), rightColour(), {}};
    for (const WeekShare& week : weeks)
        series.days.push_back({week.monday, week.right, week.total});
    return std::make_unique<TimeLineChart>(QStringLiteral("Правильно з часом, %"),
                                           std::vector<TimeSeries>{std::move(series)});
}

std::unique_ptr<Chart> monthChart(const PupilView& pupil) {
    std::vector<TimeSeries> series;
    for (int c = 1; c <= journal::kCategoryCount; ++c) {
        TimeSeries line{journal::categoryTitle(c), categoryColour(c), {}};
        for (const MonthTally& month : pupil.months[std::size_t(c - 1)])
            line.days.push_back({month.month, month.right, month.total});
        if (!line.days.empty())
            series.push_back(std::move(line));
    }
    auto chart =
        std::make_unique<TimeLineChart>(QStringLiteral("Правильно за категоріями, %"), std::move(series));
    chart->setSmallestBucket(TimeBucket::Month);
    return chart;
}

std::unique_ptr<Chart> classChart(const ClassView& view) {
    std::vector<BarMember> pupils;
    for (const PupilRow& pupil : view.pupils)
        pupils.push_back({pupil.name, QColor(0x3a, 0x78, 0xb5)});
    std::vector<BarGroup> groups;
    for (int c = 1; c <= journal::kCategoryCount; ++c) {
        BarGroup group{journal::categoryTitle(c), {}};
        for (const PupilRow& pupil : view.pupils) {
            const CategoryTally& tally = pupil.categories[std::size_t(c - 1)];
            group.bars.push_back({tally.right, tally.total()});
        }
        groups.push_back(std::move(group));
    }
    return std::make_unique<GroupedBarChart>(
        QStringLiteral("Частка правильних відповідей учнів за категоріями, %"), std::move(pupils),
        std::move(groups), true);
}

QImage chartPicture(const Chart& chart, int width, qreal scale) {
    // The report's faces in order: Debian's, then their metric twin, then Windows' own.
    QFont font;
    font.setFamilies(
        {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setPointSizeF(9);
    const int height = std::max(chart.heightForWidth(width, font), width / 2);
    QImage image(QSize(width, height) * scale, QImage::Format_ARGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(font);
    chart.paint(painter, QRectF(0, 0, width, height));
    return image;
}

} // namespace zorna::results
