#include "results/windows/chart_painter.h"

#include "journal/categories.h"
#include "results/model/results_model.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace zorna::results {

namespace {

// Hues of the seven categories, told apart at a glance.
const std::array<QColor, journal::kCategoryCount> kCategoryColours = {
    QColor(0x1f, 0x77, 0xb4), QColor(0xff, 0x7f, 0x0e), QColor(0x2c, 0xa0, 0x2c), QColor(0x94, 0x67, 0xbd),
    QColor(0x8c, 0x56, 0x4b), QColor(0xe3, 0x77, 0xc2), QColor(0x17, 0xbe, 0xcf),
};

const QColor kGridColour(0xd4, 0xd4, 0xd4);
const QColor kMutedText(0x60, 0x60, 0x60);
const QColor kTrackColour(0xee, 0xee, 0xee);

const QString kNoAnswers = QStringLiteral("немає відповідей");

// "83 % (25 з 30)".
QString shareText(qint64 right, qint64 total) {
    return QStringLiteral("%1 % (%2 з %3)").arg(percentRight(right, total)).arg(right).arg(total);
}

// The sizes every chart derives from its font.
struct Metrics {
    explicit Metrics(const QFontMetricsF& fm)
        : fm(fm), line(fm.lineSpacing()), em(fm.height()), pad(fm.height() * 0.5) {}
    const QFontMetricsF& fm;
    qreal line;
    qreal em;
    qreal pad;
    qreal textWidth(const QString& text) const { return fm.horizontalAdvance(text); }
};

// Labels wrapped into one column: as wide as the longest label when it fits,
// otherwise `available` (or the longest word, which is never cut).
struct LabelColumn {
    qreal width = 0;
    std::vector<QStringList> lines;
};

LabelColumn wrapLabels(const QStringList& labels, qreal available, const Metrics& m) {
    LabelColumn column;
    qreal natural = 0;
    qreal longestWord = 0;
    for (const QString& label : labels) {
        natural = std::max(natural, m.textWidth(label));
        for (const QString& word : label.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            longestWord = std::max(longestWord, m.textWidth(word));
    }
    column.width = std::min(natural, std::max(available, longestWord));
    for (const QString& label : labels)
        column.lines.push_back(wrapWords(label, column.width, m.fm));
    return column;
}

// Adds the title (bold, wrapped to the width) and returns the height it took.
qreal addTitle(ChartLayout& layout, const QString& title, qreal width, const Metrics& m) {
    if (title.isEmpty())
        return 0;
    // Bold text is wider than the metrics say: wrap to a little less.
    const QStringList lines = wrapWords(title, width / 1.12, m.fm);
    const qreal height = m.line * lines.size();
    layout.texts.push_back({ChartText::Role::Title, QRectF(0, 0, width, height),
                            lines.join(QLatin1Char('\n')), Qt::AlignLeft | Qt::AlignTop, Qt::black, true});
    return height + m.pad * 0.6;
}

// A row of colour swatches with names, wrapped onto as many rows as needed.
qreal addLegend(ChartLayout& layout, const std::vector<std::pair<QString, QColor>>& items, qreal top,
                qreal width, const Metrics& m) {
    const qreal swatch = m.em * 0.7;
    qreal x = 0;
    qreal y = top;
    for (const auto& [name, colour] : items) {
        const qreal textWidth = std::min(m.textWidth(name) + 1, width - swatch - m.pad * 0.5);
        const qreal itemWidth = swatch + m.pad * 0.5 + textWidth;
        if (x > 0 && x + itemWidth > width) {
            x = 0;
            y += m.line;
        }
        layout.boxes.push_back(
            {ChartBox::Kind::Swatch, QRectF(x, y + (m.line - swatch) / 2, swatch, swatch), colour});
        layout.texts.push_back({ChartText::Role::Legend,
                                QRectF(x + swatch + m.pad * 0.5, y, textWidth, m.line), name,
                                Qt::AlignLeft | Qt::AlignVCenter, Qt::black, false});
        x += itemWidth + m.em;
    }
    return items.empty() ? 0 : y + m.line - top + m.pad * 0.6;
}

// Percent steps of the bars' axis: 0, 25 (where room allows), 50, … 100.
int percentStep(qreal barWidth, const Metrics& m) {
    return barWidth > m.textWidth(QStringLiteral("100 %")) * 6 ? 25 : 50;
}

// Vertical grid lines at the percent steps, from `top` to `bottom`.
void addPercentLines(ChartLayout& layout, qreal left, qreal barWidth, qreal top, qreal bottom,
                     const Metrics& m) {
    const int step = percentStep(barWidth, m);
    for (int percent = 0; percent <= 100; percent += step)
        layout.grid.emplace_back(left + barWidth * percent / 100.0, top, left + barWidth * percent / 100.0,
                                 bottom);
}

// The percent labels under the bars, at `bottom`.
// Each label is centred under its line, but kept inside the chart's width.
void addPercentTicks(ChartLayout& layout, qreal left, qreal barWidth, qreal bottom, const Metrics& m) {
    const int step = percentStep(barWidth, m);
    for (int percent = 0; percent <= 100; percent += step) {
        const qreal x = left + barWidth * percent / 100.0;
        const QString text = QStringLiteral("%1 %").arg(percent);
        const qreal w = m.textWidth(text) + 2;
        const qreal textLeft = std::clamp(x - w / 2, 0.0, std::max(0.0, layout.width - w));
        layout.texts.push_back({ChartText::Role::Tick, QRectF(textLeft, bottom + m.pad * 0.3, w, m.line),
                                text, Qt::AlignCenter, kMutedText, false});
    }
}

// The text that stands for a chart without data, centred in its area.
void addEmptyState(ChartLayout& layout, const QString& text, qreal top, qreal width, qreal height) {
    layout.texts.push_back({ChartText::Role::Empty, QRectF(0, top, width, height), text,
                            Qt::AlignCenter | Qt::TextWordWrap, kMutedText, false});
}

} // namespace

QColor rightColour() {
    return QColor(0x2e, 0x9d, 0x3e);
}

QColor wrongColour() {
    return QColor(0xd6, 0x3a, 0x2f);
}

QColor shareColour(int percent) {
    const double t = std::clamp(percent, 0, 100) / 100.0;
    // Red (0 %) through yellow (50 %) to green (100 %), light enough for black text.
    const int red = t < 0.5 ? 250 : int(250 - (t - 0.5) * 2 * 110);
    const int green = t < 0.5 ? int(150 + t * 2 * 90) : 240;
    return QColor(red, green, 140);
}

QColor categoryColour(int category) {
    return journal::isCategory(category) ? kCategoryColours[std::size_t(category - 1)] : QColor(Qt::gray);
}

QStringList wrapWords(const QString& text, qreal width, const QFontMetricsF& metrics) {
    QStringList lines;
    QString line;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (line.isEmpty() || metrics.horizontalAdvance(longer) <= width) {
            line = longer;
        } else {
            lines.append(line);
            line = word;
        }
    }
    if (!line.isEmpty() || lines.isEmpty())
        lines.append(line);
    return lines;
}

QStringList ChartLayout::textsOf(ChartText::Role role) const {
    QStringList found;
    for (const ChartText& text : texts)
        if (text.role == role)
            found.append(text.text);
    return found;
}

ChartLayout Chart::layout(qreal width, qreal height, const QFont& font, const QPaintDevice* device) const {
    return layout(width, height, device ? QFontMetricsF(font, device) : QFontMetricsF(font));
}

int Chart::heightForWidth(int width, const QFont& font, const QPaintDevice* device) const {
    return int(std::ceil(layout(width, 0, font, device).height));
}

void Chart::paint(QPainter& painter, const QRectF& rect) const {
    const ChartLayout laidOut = layout(rect.width(), rect.height(), painter.font(), painter.device());
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    paintLayout(painter, laidOut, rect.topLeft());
    painter.restore();
}

QString Chart::toolTipAt(const QPointF& point, const QRectF& rect, const QFont& font) const {
    const ChartLayout laidOut = layout(rect.width(), rect.height(), font);
    const QPointF local = point - rect.topLeft();
    for (const ChartHit& hit : laidOut.hits)
        if (hit.rect.contains(local))
            return hit.toolTip;
    return {};
}

void paintLayout(QPainter& painter, const ChartLayout& layout, const QPointF& origin) {
    painter.save();
    painter.translate(origin);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFont font = painter.font();
    const qreal em = QFontMetricsF(font, painter.device()).height();
    const qreal hairline = std::max<qreal>(1, em / 18);

    painter.setPen(QPen(kGridColour, hairline));
    for (const QLineF& line : layout.grid)
        painter.drawLine(line);

    for (const ChartBox& box : layout.boxes) {
        if (box.kind == ChartBox::Kind::NoAnswers) {
            painter.setPen(QPen(QColor(0xa0, 0xa0, 0xa0), hairline, Qt::DashLine));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(box.rect);
        } else {
            painter.fillRect(box.rect, box.colour);
        }
    }

    painter.setBrush(Qt::NoBrush);
    for (const ChartLine& line : layout.lines) {
        painter.setPen(QPen(line.colour, line.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(line.points);
    }
    for (const ChartMarker& marker : layout.markers) {
        painter.setPen(QPen(Qt::white, hairline * 1.5));
        painter.setBrush(marker.colour);
        painter.drawEllipse(marker.centre, marker.radius, marker.radius);
    }

    for (const ChartText& text : layout.texts) {
        QFont textFont = font;
        textFont.setBold(text.bold);
        painter.setFont(textFont);
        painter.setPen(text.colour);
        painter.drawText(text.rect, text.flags, text.text);
    }
    painter.restore();
}

// ---- stacked bars -------------------------------------------------------------------------------------

StackedBarChart::StackedBarChart(QString title, std::vector<AnswerRow> rows)
    : title_(std::move(title)), rows_(std::move(rows)) {}

ChartLayout StackedBarChart::layout(qreal width, qreal /*height*/, const QFontMetricsF& metrics) const {
    const Metrics m(metrics);
    ChartLayout out;
    out.width = width;
    qreal y = addTitle(out, title_, width, m);
    y += addLegend(
        out, {{QStringLiteral("правильно"), rightColour()}, {QStringLiteral("неправильно"), wrongColour()}},
        y, width, m);

    QStringList labels;
    QStringList values;
    qreal valueWidth = 0;
    for (const AnswerRow& row : rows_) {
        labels.append(row.label);
        // A row without answers says so across its bar and the value column.
        values.append(row.total() > 0 ? shareText(row.right, row.total()) : QString());
        valueWidth = std::max(valueWidth, m.textWidth(values.back()) + 2);
    }
    const LabelColumn column = wrapLabels(labels, width * 0.38, m);
    const qreal barLeft = column.width + m.em;
    const qreal barWidth = std::max(m.em * 3, width - barLeft - m.pad - valueWidth);
    const qreal barHeight = m.em * 1.05;
    const qreal gridTop = y;

    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const AnswerRow& row = rows_[i];
        const QStringList& lines = column.lines[i];
        const qreal rowHeight = std::max(m.line * lines.size(), barHeight) + m.pad * 0.8;
        const qreal middle = y + rowHeight / 2;
        out.texts.push_back(
            {ChartText::Role::Label,
             QRectF(0, middle - m.line * lines.size() / 2, column.width + 1, m.line * lines.size()),
             lines.join(QLatin1Char('\n')), Qt::AlignLeft | Qt::AlignVCenter, Qt::black, false});
        const QRectF bar(barLeft, middle - barHeight / 2, barWidth, barHeight);
        if (row.total() == 0) {
            out.boxes.push_back({ChartBox::Kind::NoAnswers, bar, QColor()});
            // Centred in the frame where it fits, else from the frame's start on
            // into the value column, which this row leaves empty; in a chart too
            // narrow for either, a dash in the dashed frame (the tooltip says it).
            const QRectF span(bar.left() + m.pad / 2, bar.top(), width - bar.left() - m.pad / 2, barHeight);
            const qreal markWidth = m.textWidth(kNoAnswers);
            if (markWidth + m.pad <= bar.width())
                out.texts.push_back(
                    {ChartText::Role::Empty, bar, kNoAnswers, Qt::AlignCenter, kMutedText, false});
            else if (markWidth <= span.width())
                out.texts.push_back({ChartText::Role::Empty, span, kNoAnswers,
                                     Qt::AlignLeft | Qt::AlignVCenter, kMutedText, false});
            else
                out.texts.push_back(
                    {ChartText::Role::Empty, bar, QStringLiteral("—"), Qt::AlignCenter, kMutedText, false});
            out.hits.push_back(
                {QRectF(0, y, width, rowHeight), row.label + QStringLiteral(": ") + kNoAnswers});
        } else {
            const qreal rightWidth = barWidth * double(row.right) / double(row.total());
            const QRectF rightPart(bar.left(), bar.top(), rightWidth, barHeight);
            const QRectF wrongPart(bar.left() + rightWidth, bar.top(), barWidth - rightWidth, barHeight);
            // Each part with its count, where the count fits inside.
            const std::pair<QRectF, qint64> parts[] = {{rightPart, row.right}, {wrongPart, row.wrong}};
            for (std::size_t p = 0; p < 2; ++p) {
                const auto& [rect, count] = parts[p];
                if (count == 0)
                    continue;
                out.boxes.push_back({p == 0 ? ChartBox::Kind::Right : ChartBox::Kind::Wrong, rect,
                                     p == 0 ? rightColour() : wrongColour()});
                const QString text = QString::number(count);
                if (m.textWidth(text) + m.pad <= rect.width())
                    out.texts.push_back(
                        {ChartText::Role::Value, rect, text, Qt::AlignCenter, Qt::white, true});
            }
            out.hits.push_back(
                {QRectF(0, y, width, rowHeight), QStringLiteral("%1: правильно %2, неправильно %3 (%4 %)")
                                                     .arg(row.label)
                                                     .arg(row.right)
                                                     .arg(row.wrong)
                                                     .arg(percentRight(row.right, row.total()))});
        }
        if (!values[int(i)].isEmpty())
            out.texts.push_back({ChartText::Role::Value, QRectF(width - valueWidth, y, valueWidth, rowHeight),
                                 values[int(i)], Qt::AlignRight | Qt::AlignVCenter, Qt::black, false});
        y += rowHeight;
    }
    if (rows_.empty()) {
        addEmptyState(out, QStringLiteral("Немає даних"), y, width, m.line * 3);
        y += m.line * 3;
    } else {
        addPercentLines(out, barLeft, barWidth, gridTop, y, m);
        addPercentTicks(out, barLeft, barWidth, y, m);
        y += m.line + m.pad * 0.3;
    }
    out.height = y;
    return out;
}

// ---- a share right over time --------------------------------------------------------------------------

TimeBucket bucketForSpan(const QDate& first, const QDate& last) {
    const qint64 days = first.daysTo(last);
    if (days <= 160)
        return TimeBucket::Week;
    if (days <= 400)
        return TimeBucket::Month;
    return TimeBucket::Quarter;
}

QDate bucketStart(TimeBucket bucket, const QDate& day) {
    switch (bucket) {
    case TimeBucket::Week:
        return day.addDays(1 - day.dayOfWeek());
    case TimeBucket::Month:
        return QDate(day.year(), day.month(), 1);
    case TimeBucket::Quarter:
        return QDate(day.year(), (day.month() - 1) / 3 * 3 + 1, 1);
    }
    return day;
}

QDate nextBucketStart(TimeBucket bucket, const QDate& start) {
    switch (bucket) {
    case TimeBucket::Week:
        return start.addDays(7);
    case TimeBucket::Month:
        return start.addMonths(1);
    case TimeBucket::Quarter:
        return start.addMonths(3);
    }
    return start;
}

QString shortMonthName(int month) {
    static const std::array<QString, 12> names = {
        QStringLiteral("січ"), QStringLiteral("лют"), QStringLiteral("бер"), QStringLiteral("кві"),
        QStringLiteral("тра"), QStringLiteral("чер"), QStringLiteral("лип"), QStringLiteral("сер"),
        QStringLiteral("вер"), QStringLiteral("жов"), QStringLiteral("лис"), QStringLiteral("гру"),
    };
    return month >= 1 && month <= 12 ? names[std::size_t(month - 1)] : QString();
}

std::vector<BucketShare> bucketShares(TimeBucket bucket, const std::vector<DayTally>& days) {
    std::vector<BucketShare> shares;
    for (const DayTally& day : days) {
        if (day.total <= 0 || !day.day.isValid())
            continue;
        const QDate start = bucketStart(bucket, day.day);
        auto at = std::lower_bound(shares.begin(), shares.end(), start,
                                   [](const BucketShare& s, const QDate& d) { return s.start < d; });
        if (at == shares.end() || at->start != start)
            at = shares.insert(at, BucketShare{start});
        at->right += day.right;
        at->total += day.total;
    }
    return shares;
}

namespace {

QString bucketName(TimeBucket bucket, const QDate& start) {
    switch (bucket) {
    case TimeBucket::Week:
        return QStringLiteral("тиждень з ") + start.toString(QStringLiteral("dd.MM.yyyy"));
    case TimeBucket::Month:
        return shortMonthName(start.month()) + QLatin1Char(' ') + QString::number(start.year());
    case TimeBucket::Quarter:
        return shortMonthName(start.month()) + QStringLiteral(" – ") + shortMonthName(start.month() + 2) +
               QLatin1Char(' ') + QString::number(start.year());
    }
    return {};
}

QString bucketCaption(TimeBucket bucket) {
    switch (bucket) {
    case TimeBucket::Week:
        return QStringLiteral("по тижнях");
    case TimeBucket::Month:
        return QStringLiteral("по місяцях");
    case TimeBucket::Quarter:
        return QStringLiteral("по кварталах");
    }
    return {};
}

// The first and the last day with answers over all series; invalid without any.
std::pair<QDate, QDate> answeredSpan(const std::vector<TimeSeries>& series) {
    QDate first;
    QDate last;
    for (const TimeSeries& s : series)
        for (const DayTally& day : s.days)
            if (day.total > 0 && day.day.isValid()) {
                if (!first.isValid() || day.day < first)
                    first = day.day;
                if (!last.isValid() || day.day > last)
                    last = day.day;
            }
    return {first, last};
}

QDate firstOfMonth(const QDate& day) {
    return QDate(day.year(), day.month(), 1);
}

} // namespace

TimeLineChart::TimeLineChart(QString title, std::vector<TimeSeries> series)
    : title_(std::move(title)), series_(std::move(series)) {}

TimeBucket TimeLineChart::bucket() const {
    const auto [first, last] = answeredSpan(series_);
    return first.isValid() ? std::max(bucketForSpan(first, last), smallest_) : smallest_;
}

ChartLayout TimeLineChart::layout(qreal width, qreal height, const QFontMetricsF& metrics) const {
    const Metrics m(metrics);
    ChartLayout out;
    out.width = width;
    const auto [first, last] = answeredSpan(series_);
    const TimeBucket bucket = this->bucket();
    const QString title =
        first.isValid() && !title_.isEmpty() ? title_ + QStringLiteral(", ") + bucketCaption(bucket) : title_;
    qreal y = addTitle(out, title, width, m);
    if (series_.size() > 1) {
        std::vector<std::pair<QString, QColor>> items;
        for (const TimeSeries& s : series_)
            items.emplace_back(s.name, s.colour);
        y += addLegend(out, items, y, width, m);
    }
    const qreal preferredPlot = std::clamp(width * 0.4, m.em * 7, m.em * 16);
    const qreal axisHeight = m.line * 2 + m.pad * 0.4;
    const qreal valueRoom = m.line; // above the plot, for a top value's label
    out.height = height > 0 ? std::max(height, y + valueRoom + m.em * 4 + axisHeight)
                            : y + valueRoom + preferredPlot + axisHeight;
    if (!first.isValid()) {
        addEmptyState(out, QStringLiteral("Немає відповідей за цей період"), y, width, out.height - y);
        return out;
    }

    // The axis spans whole months around the buckets, so it always has month ticks at both ends.
    const QDate rangeStart = firstOfMonth(bucketStart(bucket, first));
    const QDate afterLast = nextBucketStart(bucket, bucketStart(bucket, last));
    const QDate rangeEnd = afterLast.day() == 1 ? afterLast : firstOfMonth(afterLast).addMonths(1);
    const qreal totalDays = qreal(rangeStart.daysTo(rangeEnd));

    const qreal tickHalf = m.textWidth(QStringLiteral("2026")) / 2 + 2;
    const qreal plotLeft = m.textWidth(QStringLiteral("100 %")) + m.pad;
    const qreal plotRight = width - tickHalf;
    const qreal plotTop = y + valueRoom;
    const qreal plotBottom = out.height - axisHeight;
    const qreal plotWidth = std::max<qreal>(1, plotRight - plotLeft);
    const qreal plotHeight = plotBottom - plotTop;
    const auto xOf = [&](const QDate& day) {
        return plotLeft + plotWidth * rangeStart.daysTo(day) / totalDays;
    };
    const auto yOf = [&](double percent) { return plotBottom - plotHeight * percent / 100.0; };

    for (int percent = 0; percent <= 100; percent += 25) {
        out.grid.emplace_back(plotLeft, yOf(percent), plotRight, yOf(percent));
        if (percent % 50 == 0 || plotHeight > m.line * 6) {
            out.texts.push_back(
                {ChartText::Role::Tick, QRectF(0, yOf(percent) - m.line / 2, plotLeft - m.pad * 0.5, m.line),
                 QStringLiteral("%1 %").arg(percent), Qt::AlignRight | Qt::AlignVCenter, kMutedText, false});
        }
    }

    // Month ticks: every month where the labels fit, else every 2nd, 3rd, 6th or 12th (from January);
    // quarters are labelled at their first months.
    const int months =
        int((rangeEnd.year() - rangeStart.year()) * 12 + rangeEnd.month() - rangeStart.month());
    const qreal monthWidth = plotWidth / std::max(1, months);
    const qreal labelWidth = m.textWidth(QStringLiteral("лис")) + m.em * 0.8;
    int step = 12;
    for (int candidate : {1, 2, 3, 6, 12})
        if (monthWidth * candidate >= labelWidth && (bucket != TimeBucket::Quarter || candidate % 3 == 0)) {
            step = candidate;
            break;
        }
    bool yearShown = false;
    for (QDate month = rangeStart; month <= rangeEnd; month = month.addMonths(1)) {
        const bool labelled = (month.month() - 1) % step == 0 || months <= 1;
        const qreal x = xOf(month);
        // Labelled months carry a grid line, the others a short tick under the plot.
        out.grid.emplace_back(x, labelled ? plotTop : plotBottom, x, plotBottom + m.pad * 0.4);
        if (!labelled)
            continue;
        QString text = shortMonthName(month.month());
        if (!yearShown || month.month() == 1)
            text += QLatin1Char('\n') + QString::number(month.year());
        yearShown = true;
        out.texts.push_back({ChartText::Role::Tick,
                             QRectF(x - tickHalf, plotBottom + m.pad * 0.4, tickHalf * 2, m.line * 2), text,
                             Qt::AlignHCenter | Qt::AlignTop, kMutedText, false});
    }

    for (const TimeSeries& s : series_) {
        const std::vector<BucketShare> shares = bucketShares(bucket, s.days);
        // A lone point is drawn larger, so it reads as a value, not a speck.
        const qreal radius = m.em * (shares.size() == 1 ? 0.36 : 0.24);
        // Few points of a single series carry their values; one point always does.
        const bool labelPoints = shares.size() == 1 || (series_.size() == 1 && shares.size() <= 8);
        ChartLine line{{}, s.colour, std::max<qreal>(1.5, m.em / 8)};
        for (const BucketShare& share : shares) {
            const QDate end = nextBucketStart(bucket, share.start);
            const QPointF point((xOf(share.start) + xOf(end)) / 2,
                                yOf(percentRight(share.right, share.total)));
            line.points.append(point);
            out.markers.push_back({point, radius, s.colour});
            const QString value = QStringLiteral("%1 %").arg(percentRight(share.right, share.total));
            if (labelPoints) {
                const qreal w = m.textWidth(value) + 2;
                out.texts.push_back({ChartText::Role::Value,
                                     QRectF(point.x() - w / 2, point.y() - radius - m.line, w, m.line), value,
                                     Qt::AlignCenter, s.colour.darker(130), true});
            }
            const QString who = s.name.isEmpty() ? QString() : s.name + QStringLiteral(", ");
            out.hits.push_back(
                {QRectF(point.x() - radius * 3, point.y() - radius * 3, radius * 6, radius * 6),
                 who + bucketName(bucket, share.start) + QStringLiteral(": ") +
                     shareText(share.right, share.total)});
        }
        if (line.points.size() > 1)
            out.lines.push_back(std::move(line));
    }
    return out;
}

// ---- grouped bars -------------------------------------------------------------------------------------

GroupedBarChart::GroupedBarChart(QString title, std::vector<BarMember> members, std::vector<BarGroup> groups,
                                 bool nameEveryBar)
    : title_(std::move(title)), members_(std::move(members)), groups_(std::move(groups)),
      nameEveryBar_(nameEveryBar) {}

ChartLayout GroupedBarChart::layout(qreal width, qreal /*height*/, const QFontMetricsF& metrics) const {
    const Metrics m(metrics);
    ChartLayout out;
    out.width = width;
    qreal y = addTitle(out, title_, width, m);
    if (!nameEveryBar_) {
        std::vector<std::pair<QString, QColor>> items;
        for (const BarMember& member : members_)
            items.emplace_back(member.name, member.colour);
        y += addLegend(out, items, y, width, m);
    }
    if (groups_.empty()) {
        addEmptyState(out, QStringLiteral("Немає даних"), y, width, m.line * 3);
        out.height = y + m.line * 3;
        return out;
    }

    LabelColumn names;
    if (nameEveryBar_) {
        QStringList labels;
        for (const BarMember& member : members_)
            labels.append(member.name);
        names = wrapLabels(labels, width * 0.3, m);
    }
    const qreal valueWidth = m.textWidth(QStringLiteral("100 %")) + m.pad;
    // Room on the left for half of the axis's "0 %".
    const qreal axisHalf = m.textWidth(QStringLiteral("0 %")) / 2 + 1;
    const qreal barLeft = nameEveryBar_ ? names.width + m.em : axisHalf;
    const qreal barWidth = std::max(m.em * 3, width - barLeft - valueWidth);
    const qreal barHeight = m.em * 0.75;
    for (const BarGroup& group : groups_) {
        const QStringList heading = wrapWords(group.label, width / 1.12, m.fm);
        out.texts.push_back({ChartText::Role::Label, QRectF(0, y, width, m.line * heading.size()),
                             heading.join(QLatin1Char('\n')), Qt::AlignLeft | Qt::AlignTop, Qt::black, true});
        y += m.line * heading.size() + m.pad * 0.2;
        const qreal barsTop = y;
        for (std::size_t b = 0; b < members_.size(); ++b) {
            const GroupBar bar = b < group.bars.size() ? group.bars[b] : GroupBar{};
            const BarMember& member = members_[b];
            const int lineCount = nameEveryBar_ ? int(names.lines[b].size()) : 1;
            const qreal rowHeight = std::max(m.line * lineCount, barHeight) + m.pad * 0.3;
            const qreal middle = y + rowHeight / 2;
            if (nameEveryBar_) {
                out.texts.push_back(
                    {ChartText::Role::Label,
                     QRectF(m.pad, middle - m.line * lineCount / 2, names.width + 1, m.line * lineCount),
                     names.lines[b].join(QLatin1Char('\n')), Qt::AlignLeft | Qt::AlignVCenter, Qt::black,
                     false});
            }
            const QRectF track(barLeft, middle - barHeight / 2, barWidth, barHeight);
            QString tip = group.label + QStringLiteral(" — ") + member.name + QStringLiteral(": ");
            if (bar.total <= 0) {
                out.texts.push_back({ChartText::Role::Empty, track.adjusted(m.pad * 0.3, -m.pad, 0, m.pad),
                                     kNoAnswers, Qt::AlignLeft | Qt::AlignVCenter, kMutedText, false});
                tip += kNoAnswers;
            } else {
                const int percent = percentRight(bar.right, bar.total);
                // The track shows that the pupil answered, even at 0 %.
                out.boxes.push_back({ChartBox::Kind::Track, track, kTrackColour});
                out.boxes.push_back({ChartBox::Kind::Bar,
                                     QRectF(track.left(), track.top(), barWidth * percent / 100.0, barHeight),
                                     member.colour});
                out.texts.push_back(
                    {ChartText::Role::Value,
                     QRectF(width - valueWidth + m.pad * 0.5, y, valueWidth - m.pad * 0.5, rowHeight),
                     QStringLiteral("%1 %").arg(percent), Qt::AlignLeft | Qt::AlignVCenter, Qt::black,
                     false});
                tip += shareText(bar.right, bar.total);
            }
            out.hits.push_back({QRectF(0, y, width, rowHeight), tip});
            y += rowHeight;
        }
        // Grid lines behind each group's bars only, not through the headings.
        addPercentLines(out, barLeft, barWidth, barsTop, y, m);
        y += m.pad * 0.6;
    }
    addPercentTicks(out, barLeft, barWidth, y - m.pad * 0.6, m);
    out.height = y + m.line;
    return out;
}

} // namespace zorna::results
