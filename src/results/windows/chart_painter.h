#pragma once

// The results program's charts, painted with QPainter: horizontal stacked
// bars (right and wrong), a share right over time and grouped bars. The data
// types are plain (no results model), so the window and the PDF draw the same
// charts. Every size derives from the font the chart is painted with, so a
// page at 300 dpi looks like the screen.

#include <QColor>
#include <QDate>
#include <QFont>
#include <QLineF>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class QFontMetricsF;
class QPaintDevice;
class QPainter;

namespace zorna::results {

// The colours of right and wrong answers everywhere in the program.
QColor rightColour();
QColor wrongColour();
// A cell's colour for a share right: red at 0 %, yellow at 50 %, green at 100 %.
QColor shareColour(int percent);
// The colour of a category (1..7); grey for anything else.
QColor categoryColour(int category);

// The words of `text` in lines no wider than `width` where a word allows it;
// a word wider than the line keeps a line of its own, whole. No word is ever
// cut or left out.
QStringList wrapWords(const QString& text, qreal width, const QFontMetricsF& metrics);

// What a chart draws, in coordinates from its top left corner: the layout
// functions decide it, the painter only draws it (and the tests read it).
struct ChartText {
    enum class Role { Title, Label, Value, Tick, Legend, Empty };
    Role role = Role::Label;
    QRectF rect;
    QString text;
    int flags = 0; // Qt::Alignment
    QColor colour = Qt::black;
    bool bold = false;
};

struct ChartBox {
    // A track is the light ground of a bar that has answers; NoAnswers a dashed frame.
    enum class Kind { Right, Wrong, Bar, Track, NoAnswers, Swatch };
    Kind kind = Kind::Bar;
    QRectF rect;
    QColor colour;
};

struct ChartLine {
    QPolygonF points;
    QColor colour;
    qreal width = 1;
};

struct ChartMarker {
    QPointF centre;
    qreal radius = 3;
    QColor colour;
};

struct ChartHit {
    QRectF rect;
    QString toolTip;
};

struct ChartLayout {
    qreal width = 0;
    qreal height = 0;
    std::vector<QLineF> grid; // thin grey lines behind the data
    std::vector<ChartBox> boxes;
    std::vector<ChartLine> lines;
    std::vector<ChartMarker> markers;
    std::vector<ChartText> texts;
    std::vector<ChartHit> hits;

    // The texts of one role, in the order they were laid out.
    QStringList textsOf(ChartText::Role role) const;
};

// A chart: laid out for a width with a font on a device (the screen when none).
class Chart {
public:
    virtual ~Chart() = default;

    // `height` <= 0 asks for the chart's own height at this width; charts that
    // can stretch (the line over time) fill a larger one.
    virtual ChartLayout layout(qreal width, qreal height, const QFontMetricsF& metrics) const = 0;

    ChartLayout layout(qreal width, qreal height, const QFont& font,
                       const QPaintDevice* device = nullptr) const;
    int heightForWidth(int width, const QFont& font = QFont(), const QPaintDevice* device = nullptr) const;
    // Draws into the rectangle with the painter's font, clipped to it.
    void paint(QPainter& painter, const QRectF& rect) const;
    // The tooltip for a point of the chart laid out in `rect`, or empty.
    QString toolTipAt(const QPointF& point, const QRectF& rect, const QFont& font) const;
};

// Draws a layout at `origin` (the chart's top left corner).
void paintLayout(QPainter& painter, const ChartLayout& layout, const QPointF& origin);

// One labelled bar of right and wrong answers.
struct AnswerRow {
    QString label;
    qint64 right = 0;
    qint64 wrong = 0;
    qint64 total() const { return right + wrong; }
};

// One bar per row, the right part then the wrong part, each bar the row's
// answers as 100 %: 0 % right is a whole wrong bar, a row without answers an
// empty frame marked «немає відповідей». Labels wrap onto several lines.
class StackedBarChart : public Chart {
public:
    StackedBarChart(QString title, std::vector<AnswerRow> rows);
    using Chart::layout;
    ChartLayout layout(qreal width, qreal height, const QFontMetricsF& metrics) const override;

private:
    QString title_;
    std::vector<AnswerRow> rows_;
};

// A share right over time: answers counted per day (a day may stand for its
// week), summed into buckets whose size follows the span.
struct DayTally {
    QDate day;
    qint64 right = 0;
    qint64 total = 0;
};

struct TimeSeries {
    QString name; // shown in the legend when there are several series
    QColor colour;
    std::vector<DayTally> days;
};

enum class TimeBucket { Week, Month, Quarter };

// Weeks up to about five months from the first to the last day, months up to
// about thirteen (a school year), quarters beyond.
TimeBucket bucketForSpan(const QDate& first, const QDate& last);
// The first day of the bucket that holds `day` (a Monday, the 1st of a month
// or of a quarter) and the first day of the next one.
QDate bucketStart(TimeBucket bucket, const QDate& day);
QDate nextBucketStart(TimeBucket bucket, const QDate& start);
// «вер», «жов», … for months 1..12.
QString shortMonthName(int month);

// One point of a series: a bucket with answers.
struct BucketShare {
    QDate start;
    qint64 right = 0;
    qint64 total = 0;
};
std::vector<BucketShare> bucketShares(TimeBucket bucket, const std::vector<DayTally>& days);

class TimeLineChart : public Chart {
public:
    TimeLineChart(QString title, std::vector<TimeSeries> series);
    using Chart::layout;
    ChartLayout layout(qreal width, qreal height, const QFontMetricsF& metrics) const override;
    // The bucket the chart uses for its data (weeks without data).
    TimeBucket bucket() const;
    // Never buckets smaller than this (data kept by month is drawn by month).
    void setSmallestBucket(TimeBucket bucket) { smallest_ = bucket; }

private:
    QString title_;
    std::vector<TimeSeries> series_;
    TimeBucket smallest_ = TimeBucket::Week;
};

// Bars side by side in labelled groups: for the class, a group per pupil and a
// bar per category (or the reverse). A bar is a share right in percent, or
// nothing without answers.
struct GroupBar {
    qint64 right = 0;
    qint64 total = 0;
};

struct BarGroup {
    QString label;
    std::vector<GroupBar> bars; // one per member, in the members' order
};

struct BarMember {
    QString name;
    QColor colour;
};

// Horizontal bars: each group a block of thin bars under its label's line,
// the members told apart by colour (a legend on top) and, when asked, by
// their names beside each bar (for many members, such as pupils).
class GroupedBarChart : public Chart {
public:
    GroupedBarChart(QString title, std::vector<BarMember> members, std::vector<BarGroup> groups,
                    bool nameEveryBar = false);
    using Chart::layout;
    ChartLayout layout(qreal width, qreal height, const QFontMetricsF& metrics) const override;

private:
    QString title_;
    std::vector<BarMember> members_;
    std::vector<BarGroup> groups_;
    bool nameEveryBar_;
};

} // namespace zorna::results
