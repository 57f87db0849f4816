#include "journal/categories.h"
#include "results/windows/chart_painter.h"
#include "results/windows/chart_widget.h"
#include "support/test_registry.h"

#include <QApplication>
#include <QDir>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QScrollArea>
#include <QTest>
#include <QToolTip>

using namespace zorna;
using namespace zorna::results;

Q_DECLARE_METATYPE(zorna::results::TimeBucket)
Q_DECLARE_METATYPE(std::vector<zorna::results::DayTally>)
Q_DECLARE_METATYPE(std::vector<zorna::results::TimeSeries>)

namespace {

QFont chartFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(9);
    return font;
}

QFontMetricsF screenMetrics() {
    return QFontMetricsF(chartFont());
}

// The boxes of one kind, in layout order.
std::vector<QRectF> boxesOf(const ChartLayout& layout, ChartBox::Kind kind) {
    std::vector<QRectF> found;
    for (const ChartBox& box : layout.boxes)
        if (box.kind == kind)
            found.push_back(box.rect);
    return found;
}

QStringList words(const QString& text) {
    return text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

// Every text of the layout, for checks that nothing shows a stray date or an ellipsis.
QString allTexts(const ChartLayout& layout) {
    QStringList texts;
    for (const ChartText& text : layout.texts)
        texts.append(text.text);
    return texts.join(QLatin1Char('|'));
}

// An image of `dpi` dots per inch, white.
QImage page(int width, int height, int dpi) {
    QImage image(width, height, QImage::Format_RGB32);
    const int dotsPerMeter = int(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    return image;
}

std::vector<AnswerRow> categoryRows() {
    std::vector<AnswerRow> rows;
    const qint64 answers[][2] = {{25, 5}, {0, 4}, {0, 0}, {7, 7}, {3, 0}, {1, 9}, {12, 3}};
    for (int c = 1; c <= journal::kCategoryCount; ++c)
        rows.push_back({journal::categoryTitle(c), answers[c - 1][0], answers[c - 1][1]});
    return rows;
}

// A school year of answers, one day a week, with a share that rises.
std::vector<DayTally> schoolYear(int category) {
    std::vector<DayTally> days;
    for (QDate day(2025, 9, 3); day <= QDate(2026, 5, 27); day = day.addDays(7))
        days.push_back({day, 3 + (day.month() + category) % 5 + (day.month() < 9 ? 2 : 0), 10});
    return days;
}

} // namespace

class ChartPainterTest : public QObject {
    Q_OBJECT
private slots:
    void bucketFollowsTheSpan_data() {
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("last");
        QTest::addColumn<TimeBucket>("bucket");
        QTest::newRow("one day") << QDate(2025, 10, 8) << QDate(2025, 10, 8) << TimeBucket::Week;
        QTest::newRow("six weeks") << QDate(2025, 10, 1) << QDate(2025, 11, 12) << TimeBucket::Week;
        QTest::newRow("autumn term") << QDate(2025, 9, 1) << QDate(2025, 12, 31) << TimeBucket::Week;
        QTest::newRow("spring term") << QDate(2026, 1, 1) << QDate(2026, 5, 31) << TimeBucket::Week;
        QTest::newRow("half a year") << QDate(2025, 9, 1) << QDate(2026, 3, 1) << TimeBucket::Month;
        QTest::newRow("school year") << QDate(2025, 9, 1) << QDate(2026, 5, 31) << TimeBucket::Month;
        QTest::newRow("a year and a month") << QDate(2025, 9, 1) << QDate(2026, 10, 1) << TimeBucket::Month;
        QTest::newRow("two school years") << QDate(2024, 9, 1) << QDate(2026, 5, 31) << TimeBucket::Quarter;
        QTest::newRow("three years") << QDate(2023, 9, 1) << QDate(2026, 8, 31) << TimeBucket::Quarter;
    }
    void bucketFollowsTheSpan() {
        QFETCH(QDate, first);
        QFETCH(QDate, last);
        QFETCH(TimeBucket, bucket);
        QCOMPARE(bucketForSpan(first, last), bucket);
    }

    void bucketStartsAtItsFirstDay_data() {
        QTest::addColumn<TimeBucket>("bucket");
        QTest::addColumn<QDate>("day");
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QDate>("next");
        QTest::newRow("week, Sunday")
            << TimeBucket::Week << QDate(2025, 11, 2) << QDate(2025, 10, 27) << QDate(2025, 11, 3);
        QTest::newRow("week, Monday")
            << TimeBucket::Week << QDate(2025, 11, 3) << QDate(2025, 11, 3) << QDate(2025, 11, 10);
        QTest::newRow("week across a year")
            << TimeBucket::Week << QDate(2026, 1, 1) << QDate(2025, 12, 29) << QDate(2026, 1, 5);
        QTest::newRow("month") << TimeBucket::Month << QDate(2026, 2, 28) << QDate(2026, 2, 1)
                               << QDate(2026, 3, 1);
        QTest::newRow("quarter, November")
            << TimeBucket::Quarter << QDate(2025, 11, 30) << QDate(2025, 10, 1) << QDate(2026, 1, 1);
        QTest::newRow("quarter, January")
            << TimeBucket::Quarter << QDate(2026, 1, 1) << QDate(2026, 1, 1) << QDate(2026, 4, 1);
    }
    void bucketStartsAtItsFirstDay() {
        QFETCH(TimeBucket, bucket);
        QFETCH(QDate, day);
        QFETCH(QDate, start);
        QFETCH(QDate, next);
        QCOMPARE(bucketStart(bucket, day), start);
        QCOMPARE(nextBucketStart(bucket, start), next);
    }

    // Days of one bucket add up, days without answers are no point, buckets come in order.
    void bucketSharesSumTheirDays() {
        const std::vector<DayTally> days = {
            {QDate(2025, 11, 20), 1, 4}, {QDate(2025, 10, 2), 2, 2},  {QDate(2025, 11, 3), 3, 5},
            {QDate(2025, 12, 1), 0, 0},  {QDate(2025, 10, 31), 0, 3},
        };
        const std::vector<BucketShare> months = bucketShares(TimeBucket::Month, days);
        QCOMPARE(int(months.size()), 2);
        QCOMPARE(months[0].start, QDate(2025, 10, 1));
        QCOMPARE(months[0].right, 2);
        QCOMPARE(months[0].total, 5);
        QCOMPARE(months[1].start, QDate(2025, 11, 1));
        QCOMPARE(months[1].right, 4);
        QCOMPARE(months[1].total, 9);
    }

    // The axis shows months (with the year on the first and on January), never an epoch date.
    void monthTicks_data() {
        QTest::addColumn<std::vector<DayTally>>("days");
        QTest::addColumn<int>("width");
        QTest::addColumn<QStringList>("ticks");
        QTest::newRow("one week") << std::vector<DayTally>{{QDate(2025, 10, 8), 3, 4}} << 400
                                  << QStringList{"жов\n2025", "лис"};
        QTest::newRow("a week at a month's end") << std::vector<DayTally>{{QDate(2025, 10, 30), 3, 4}} << 400
                                                 << QStringList{"жов\n2025", "лис", "гру"};
        QTest::newRow("across new year")
            << std::vector<DayTally>{{QDate(2025, 12, 10), 1, 2}, {QDate(2026, 2, 3), 2, 2}} << 600
            << QStringList{"гру\n2025", "січ\n2026", "лют", "бер"};
        QTest::newRow("school year, wide")
            << schoolYear(1) << 900
            << QStringList{"вер\n2025", "жов", "лис", "гру", "січ\n2026", "лют", "бер", "кві", "тра", "чер"};
    }
    void monthTicks() {
        QFETCH(std::vector<DayTally>, days);
        QFETCH(int, width);
        QFETCH(QStringList, ticks);
        const TimeLineChart chart(QStringLiteral("Правильно, %"), {{QString(), rightColour(), days}});
        const ChartLayout layout = chart.layout(width, 0, screenMetrics());
        QStringList monthTicks;
        for (const QString& tick : layout.textsOf(ChartText::Role::Tick))
            if (!tick.endsWith(QLatin1String(" %")))
                monthTicks.append(tick);
        QCOMPARE(monthTicks, ticks);
    }

    // Three years in a narrow chart: quarters, and month labels thinned so none overlaps another.
    void longSpanThinsItsTicks() {
        std::vector<DayTally> days;
        for (QDate day(2023, 9, 4); day <= QDate(2026, 5, 25); day = day.addDays(14))
            days.push_back({day, day.month() % 3 + 1, 4});
        const TimeLineChart chart(QStringLiteral("Правильно, %"), {{QString(), rightColour(), days}});
        QCOMPARE(chart.bucket(), TimeBucket::Quarter);
        const ChartLayout layout = chart.layout(360, 0, screenMetrics());
        std::vector<QRectF> months;
        for (const ChartText& text : layout.texts)
            if (text.role == ChartText::Role::Tick && !text.text.endsWith(QLatin1String(" %")))
                months.push_back(text.rect);
        QVERIFY(months.size() >= 3);
        for (std::size_t i = 1; i < months.size(); ++i)
            QVERIFY2(months[i - 1].right() <= months[i].left(), qPrintable(allTexts(layout)));
        // One point per quarter with answers: 2023 Q3 .. 2026 Q2.
        QCOMPARE(int(layout.markers.size()), 12);
        QCOMPARE(int(layout.lines.size()), 1);
    }

    // One bucket: a marker with its value, inside the plot's month ticks; no line.
    void oneBucketShowsItsValue() {
        const TimeLineChart chart(QStringLiteral("Правильно, %"),
                                  {{QString(), rightColour(), {{QDate(2025, 10, 8), 3, 4}}}});
        const ChartLayout layout = chart.layout(400, 0, screenMetrics());
        QCOMPARE(int(layout.markers.size()), 1);
        QVERIFY(layout.lines.empty());
        QCOMPARE(layout.textsOf(ChartText::Role::Value), QStringList{"75 %"});
        const QPointF point = layout.markers.front().centre;
        QVERIFY(point.x() > 0 && point.x() < 400);
        QVERIFY(point.y() > 0 && point.y() < layout.height);
    }

    // No answers at all: a text in place of the plot, no axis, no point, no date.
    void noDataShowsAnEmptyState_data() {
        QTest::addColumn<std::vector<TimeSeries>>("series");
        QTest::newRow("no series") << std::vector<TimeSeries>{};
        QTest::newRow("no days") << std::vector<TimeSeries>{{QString(), rightColour(), {}}};
        QTest::newRow("days without answers")
            << std::vector<TimeSeries>{{QString(), rightColour(), {{QDate(2025, 10, 8), 0, 0}}}};
    }
    void noDataShowsAnEmptyState() {
        QFETCH(std::vector<TimeSeries>, series);
        const TimeLineChart chart(QStringLiteral("Правильно, %"), series);
        const ChartLayout layout = chart.layout(400, 0, screenMetrics());
        QCOMPARE(layout.textsOf(ChartText::Role::Empty), QStringList{"Немає відповідей за цей період"});
        QVERIFY(layout.markers.empty());
        QVERIFY(layout.textsOf(ChartText::Role::Tick).isEmpty());
        QVERIFY(!allTexts(layout).contains(QLatin1String("1970")));
        QVERIFY(layout.height > 0);
    }

    // Several series (a category each): a line each, a legend with their names.
    void severalSeriesHaveALegend() {
        std::vector<TimeSeries> series;
        for (int c = 1; c <= journal::kCategoryCount; ++c)
            series.push_back({journal::categoryTitle(c), categoryColour(c), schoolYear(c)});
        const TimeLineChart chart(QStringLiteral("Правильно за категоріями, %"), series);
        QCOMPARE(chart.bucket(), TimeBucket::Month);
        const ChartLayout layout = chart.layout(700, 0, screenMetrics());
        QCOMPARE(int(layout.lines.size()), journal::kCategoryCount);
        QCOMPARE(layout.textsOf(ChartText::Role::Legend).size(), journal::kCategoryCount);
        QCOMPARE(layout.textsOf(ChartText::Role::Legend).front(), journal::categoryTitle(1));
        // Nine months, one point each, no value labels crowding seven lines.
        QCOMPARE(int(layout.lines.front().points.size()), 9);
        QVERIFY(layout.textsOf(ChartText::Role::Value).isEmpty());
    }

    // 0 % right is a whole wrong bar with "0 %"; a row without answers an empty frame with a mark.
    void zeroPercentIsNotNoAnswers() {
        const StackedBarChart chart(
            QStringLiteral("Відповіді за категоріями"),
            {{QStringLiteral("Оля"), 0, 5}, {QStringLiteral("Петро"), 0, 0}, {QStringLiteral("Ігор"), 3, 1}});
        const ChartLayout layout = chart.layout(600, 0, screenMetrics());
        const std::vector<QRectF> wrong = boxesOf(layout, ChartBox::Kind::Wrong);
        const std::vector<QRectF> right = boxesOf(layout, ChartBox::Kind::Right);
        const std::vector<QRectF> empty = boxesOf(layout, ChartBox::Kind::NoAnswers);
        QCOMPARE(int(wrong.size()), 2);
        QCOMPARE(int(right.size()), 1);
        QCOMPARE(int(empty.size()), 1);
        // Оля's wrong part is the whole bar, as wide as Петро's empty frame and Ігор's two parts.
        QCOMPARE(wrong[0].width(), empty[0].width());
        QCOMPARE(right[0].width() + wrong[1].width(), empty[0].width());
        QCOMPARE(right[0].width(), 3 * wrong[1].width());
        QVERIFY(wrong[0].bottom() <= empty[0].top());
        const QStringList values = layout.textsOf(ChartText::Role::Value);
        QVERIFY2(values.contains(QStringLiteral("0 % (0 з 5)")), qPrintable(values.join('|')));
        QVERIFY2(values.contains(QStringLiteral("75 % (3 з 4)")), qPrintable(values.join('|')));
        // The row without answers has no share at the end.
        QCOMPARE(values.filter(QStringLiteral("%")).size(), 2);
        QCOMPARE(layout.textsOf(ChartText::Role::Empty), QStringList{"немає відповідей"});
        QVERIFY(chart
                    .toolTipAt(empty[0].center() + QPointF(10, 10), QRectF(10, 10, 600, layout.height),
                               chartFont())
                    .contains(QStringLiteral("немає відповідей")));
    }

    // Category titles and pupil names stay whole at any width: wrapped, never cut.
    void labelsKeepEveryWord_data() {
        QTest::addColumn<int>("width");
        for (int width : {220, 320, 480, 640, 1024})
            QTest::addRow("%d px", width) << width;
    }
    void labelsKeepEveryWord() {
        QFETCH(int, width);
        const QFontMetricsF metrics = screenMetrics();
        const std::vector<AnswerRow> rows = categoryRows();
        const ChartLayout bars = StackedBarChart(QString(), rows).layout(width, 0, metrics);
        const QStringList labels = bars.textsOf(ChartText::Role::Label);
        QCOMPARE(labels.size(), int(rows.size()));
        for (std::size_t i = 0; i < rows.size(); ++i) {
            QCOMPARE(words(labels[int(i)]), words(rows[i].label));
            QVERIFY(labels[int(i)].split('\n').size() <= (width >= 320 ? 3 : 5));
        }
        for (const ChartText& text : bars.texts) {
            if (text.role != ChartText::Role::Label)
                continue;
            QVERIFY2(text.rect.right() <= width, qPrintable(text.text));
            for (const QString& line : text.text.split('\n'))
                QVERIFY2(metrics.horizontalAdvance(line) <= text.rect.width(), qPrintable(line));
        }
        QVERIFY(!allTexts(bars).contains(QStringLiteral("…")));
        QVERIFY(!allTexts(bars).contains(QStringLiteral("...")));

        // The mark of a row without answers is never cut either.
        std::vector<AnswerRow> withEmptyRow = rows;
        withEmptyRow.push_back({QStringLiteral("Оля"), 0, 0});
        const ChartLayout marked = StackedBarChart(QString(), withEmptyRow).layout(width, 0, metrics);
        const auto mark = std::find_if(marked.texts.begin(), marked.texts.end(),
                                       [](const ChartText& t) { return t.role == ChartText::Role::Empty; });
        QVERIFY(mark != marked.texts.end());
        QVERIFY2(metrics.horizontalAdvance(mark->text) <= mark->rect.width() && mark->rect.right() <= width,
                 qPrintable(QStringLiteral("%1 in %2 px").arg(mark->text).arg(mark->rect.width())));
        if (width >= 320)
            QCOMPARE(mark->text, QStringLiteral("немає відповідей"));
        // Nor the percent scale, also when no row has a share at its end.
        std::vector<AnswerRow> noAnswers = rows;
        for (AnswerRow& row : noAnswers)
            row.right = row.wrong = 0;
        for (const ChartLayout& chart :
             {marked, StackedBarChart(QString(), noAnswers).layout(width, 0, metrics)})
            for (const ChartText& text : chart.texts)
                if (text.role == ChartText::Role::Tick)
                    QVERIFY2(text.rect.left() >= 0 && text.rect.right() <= width, qPrintable(text.text));

        const std::vector<BarMember> pupils = {{QStringLiteral("Оля Коваль-Михайленко"), categoryColour(1)},
                                               {QStringLiteral("Ігор Петренко"), categoryColour(2)}};
        std::vector<BarGroup> groups;
        for (int c = 1; c <= journal::kCategoryCount; ++c)
            groups.push_back({journal::categoryTitle(c), {{1, 2}, {0, 0}}});
        const ChartLayout grouped =
            GroupedBarChart(QString(), pupils, groups, true).layout(width, 0, metrics);
        const QStringList groupTexts = grouped.textsOf(ChartText::Role::Label);
        for (const BarGroup& group : groups)
            QVERIFY(std::any_of(groupTexts.begin(), groupTexts.end(),
                                [&](const QString& t) { return words(t) == words(group.label); }));
        for (const BarMember& pupil : pupils)
            QVERIFY(std::any_of(groupTexts.begin(), groupTexts.end(),
                                [&](const QString& t) { return words(t) == words(pupil.name); }));
        QVERIFY(!allTexts(grouped).contains(QStringLiteral("…")));
    }

    void wrapWordsKeepsLongWordsWhole() {
        const QFontMetricsF metrics = screenMetrics();
        const QString text = QStringLiteral("На умовиводи при співставленні");
        const QStringList lines = wrapWords(text, metrics.horizontalAdvance(QStringLiteral("На")), metrics);
        QCOMPARE(lines, (QStringList{"На", "умовиводи", "при", "співставленні"}));
        QCOMPARE(wrapWords(QString(), 100, metrics), QStringList{QString()});
    }

    // A grouped bar at 0 % keeps its track and says "0 %"; one without answers says so instead.
    void groupedBarsTellZeroFromNothing() {
        const std::vector<BarMember> categories = {{journal::categoryTitle(1), categoryColour(1)},
                                                   {journal::categoryTitle(2), categoryColour(2)}};
        const GroupedBarChart chart(QStringLiteral("Клас"), categories,
                                    {{QStringLiteral("Оля Коваль"), {{0, 6}, {0, 0}}}});
        const ChartLayout layout = chart.layout(500, 0, screenMetrics());
        QCOMPARE(int(boxesOf(layout, ChartBox::Kind::Track).size()), 1);
        QCOMPARE(boxesOf(layout, ChartBox::Kind::Bar).front().width(), 0.0);
        QCOMPARE(layout.textsOf(ChartText::Role::Value), QStringList{"0 %"});
        QCOMPARE(layout.textsOf(ChartText::Role::Empty), QStringList{"немає відповідей"});
        QCOMPARE(layout.textsOf(ChartText::Role::Legend),
                 (QStringList{journal::categoryTitle(1), journal::categoryTitle(2)}));
    }

    // The same chart on a 300 dpi page is the screen's chart scaled: sizes come from the font.
    void sizesFollowTheDevice() {
        const StackedBarChart chart(QString(), categoryRows());
        const QImage screen = page(10, 10, 96);
        const QImage print = page(10, 10, 300);
        const double scale = 300.0 / 96.0;
        const int screenHeight = chart.heightForWidth(600, chartFont(), &screen);
        const int printHeight = chart.heightForWidth(int(600 * scale), chartFont(), &print);
        QVERIFY2(
            std::abs(printHeight / scale - screenHeight) < screenHeight * 0.05,
            qPrintable(QStringLiteral("%1 at 96 dpi, %2 at 300 dpi").arg(screenHeight).arg(printHeight)));
    }

    // Painted pixels follow the layout: Оля's 0 % bar is red, Петро's row has neither colour.
    // With ZORNA_CHART_SHOTS set to a folder, the charts are also written there as PNG and PDF to look at.
    void paintingFollowsTheLayout() {
        const StackedBarChart chart(QStringLiteral("Відповіді за категоріями"), categoryRows());
        const int width = 1024;
        QImage image = page(width, 10, 96);
        const int height = chart.heightForWidth(width, chartFont(), &image);
        image = page(width, height, 96);
        {
            QPainter painter(&image);
            painter.setFont(chartFont());
            chart.paint(painter, QRectF(0, 0, width, height));
        }
        const ChartLayout layout = chart.layout(width, 0, chartFont(), &image);
        const QRectF zero = boxesOf(layout, ChartBox::Kind::Wrong)[1]; // category 2: 0 of 4
        // Left of its count, which is written in its middle.
        QCOMPARE(image.pixelColor(QPointF(zero.left() + 3, zero.center().y()).toPoint()), wrongColour());
        const QRectF none = boxesOf(layout, ChartBox::Kind::NoAnswers).front();
        for (int x = int(none.left()) + 2; x < int(none.right()) - 2; x += 3) {
            const QColor pixel = image.pixelColor(x, int(none.top()) + 3);
            QVERIFY(pixel != rightColour() && pixel != wrongColour());
        }
        const QString shots = qEnvironmentVariable("ZORNA_CHART_SHOTS");
        if (!shots.isEmpty())
            writeShots(shots);
    }

    // The widget asks the chart for its height and shows the bar's tooltip text.
    void widgetTakesTheChartsHeight() {
        ChartWidget widget;
        widget.setFont(chartFont());
        QVERIFY(!widget.hasHeightForWidth());
        widget.setChart(std::make_unique<StackedBarChart>(QString(), categoryRows()));
        QVERIFY(widget.hasHeightForWidth());
        const int narrow = widget.heightForWidth(300);
        const int wide = widget.heightForWidth(1000);
        QVERIFY2(narrow > wide, qPrintable(QStringLiteral("%1 vs %2").arg(narrow).arg(wide)));

        // In a scroll area that resizes it, the chart gets its whole height and scrolls.
        QScrollArea area;
        area.setWidgetResizable(true);
        auto* shown = new ChartWidget;
        shown->setChart(std::make_unique<StackedBarChart>(QString(), categoryRows()));
        area.setWidget(shown);
        area.resize(420, 150);
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        QCOMPARE(shown->height(), shown->heightForWidth(shown->width()));
        QVERIFY(shown->height() > area.viewport()->height());

        // The tooltip names the bar under the mouse.
        const QPoint inSecondRow = zeroRowCentre(*shown);
        QHelpEvent help(QEvent::ToolTip, inSecondRow, shown->mapToGlobal(inSecondRow));
        QApplication::sendEvent(shown, &help);
        QVERIFY2(QToolTip::text().startsWith(journal::categoryTitle(2) + QStringLiteral(": правильно 0")),
                 qPrintable(QToolTip::text()));
        QToolTip::hideText();
    }

private:
    // The centre of category 2's bar (0 of 4 right) in the widget's coordinates.
    static QPoint zeroRowCentre(const ChartWidget& widget) {
        const qreal margin = widget.fontMetrics().height() * 0.5;
        const ChartLayout layout = widget.chart()->layout(widget.width() - 2 * margin, 0, widget.font());
        return (boxesOf(layout, ChartBox::Kind::Wrong)[1].center() + QPointF(margin, margin)).toPoint();
    }

    void writeShots(const QString& folder) {
        QDir().mkpath(folder);
        std::vector<std::unique_ptr<Chart>> charts;
        charts.push_back(
            std::make_unique<StackedBarChart>(QStringLiteral("Відповіді за категоріями"), categoryRows()));
        charts.push_back(std::make_unique<TimeLineChart>(
            QStringLiteral("Правильно, %"),
            std::vector<TimeSeries>{{QString(), rightColour(), {{QDate(2025, 10, 8), 3, 4}}}}));
        charts.push_back(std::make_unique<TimeLineChart>(
            QStringLiteral("Правильно, %"), std::vector<TimeSeries>{{QString(), rightColour(), {}}}));
        std::vector<TimeSeries> trend;
        for (int c = 1; c <= journal::kCategoryCount; ++c)
            trend.push_back({journal::categoryTitle(c), categoryColour(c), schoolYear(c)});
        charts.push_back(
            std::make_unique<TimeLineChart>(QStringLiteral("Правильно за категоріями, %"), trend));
        std::vector<DayTally> threeYears;
        for (QDate day(2023, 9, 4); day <= QDate(2026, 5, 25); day = day.addDays(14))
            threeYears.push_back({day, day.month() % 3 + 1, 4});
        charts.push_back(std::make_unique<TimeLineChart>(
            QStringLiteral("Правильно, %"), std::vector<TimeSeries>{{QString(), rightColour(), threeYears}}));
        std::vector<BarMember> categories;
        for (int c = 1; c <= journal::kCategoryCount; ++c)
            categories.push_back({journal::categoryTitle(c), categoryColour(c)});
        std::vector<BarGroup> pupils;
        for (const QString& name : {QStringLiteral("Оля Коваль"), QStringLiteral("Мар'яна Шевчук-Дорошенко"),
                                    QStringLiteral("Петро")}) {
            BarGroup group{name, {}};
            for (int c = 1; c <= journal::kCategoryCount; ++c)
                group.bars.push_back({qint64((c * name.size()) % 7), qint64(c % 4 == 0 ? 0 : 6)});
            pupils.push_back(group);
        }
        charts.push_back(std::make_unique<GroupedBarChart>(
            QStringLiteral("Частка правильних відповідей учнів за категоріями, %"), categories, pupils));
        // The reverse: a group per category, a named bar per pupil.
        std::vector<BarMember> names;
        for (const BarGroup& pupil : pupils)
            names.push_back({pupil.label, rightColour()});
        std::vector<BarGroup> byCategory;
        for (int c = 1; c <= journal::kCategoryCount; ++c) {
            BarGroup group{journal::categoryTitle(c), {}};
            for (const BarGroup& pupil : pupils)
                group.bars.push_back(pupil.bars[std::size_t(c - 1)]);
            byCategory.push_back(group);
        }
        charts.push_back(std::make_unique<GroupedBarChart>(QStringLiteral("Клас за категоріями, %"), names,
                                                           byCategory, true));

        for (std::size_t i = 0; i < charts.size(); ++i) {
            ChartWidget widget;
            widget.setChart(std::move(charts[i]));
            widget.resize(1024, widget.heightForWidth(1024));
            widget.grab().save(QStringLiteral("%1/chart%2.png").arg(folder).arg(i));
            // As beside the pupil list on a 1024 px screen.
            widget.resize(450, widget.heightForWidth(450));
            widget.grab().save(QStringLiteral("%1/chart%2-narrow.png").arg(folder).arg(i));
            charts[i] = nullptr;
            // The PDF draws from the same chart: take it back from the widget.
        }
        // The PDF: the first three charts again on an A4 page at 300 dpi.
        QPdfWriter pdf(folder + QStringLiteral("/charts.pdf"));
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setResolution(300);
        pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        QPainter painter(&pdf);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSizeF(9);
        painter.setFont(font);
        const qreal pageWidth = painter.viewport().width();
        const StackedBarChart bars(QStringLiteral("Відповіді за категоріями"), categoryRows());
        const TimeLineChart line(QStringLiteral("Правильно за категоріями, %"), trend);
        const GroupedBarChart grouped(QStringLiteral("Клас"), categories, pupils);
        qreal y = 0;
        for (const Chart* chart : std::initializer_list<const Chart*>{&bars, &line}) {
            const int h = chart->heightForWidth(int(pageWidth), font, &pdf);
            chart->paint(painter, QRectF(0, y, pageWidth, h));
            y += h + 60;
        }
        pdf.newPage();
        grouped.paint(painter, QRectF(0, 0, pageWidth, grouped.heightForWidth(int(pageWidth), font, &pdf)));
    }
};

ZORNA_TEST_CLASS(ChartPainterTest)

#include "chart_painter_test.moc"
