#include "results/windows/pdf_report.h"

#include <QChartView>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace zorna::results {

namespace {

// Draws what a chart view shows into the rectangle, as vectors, keeping its
// proportions: the charts of the page as the teacher sees them.
void drawChart(QPainter& painter, QChartView* view, const QRect& target) {
    view->render(&painter, QRectF(target), view->viewport()->rect(), Qt::KeepAspectRatio);
}

} // namespace

QString periodText(const DateFilter& filter) {
    const QString from = filter.from.toString(Qt::ISODate);
    const QString to = filter.to.toString(Qt::ISODate);
    if (filter.from.isValid() && filter.to.isValid())
        return from + QStringLiteral(" — ") + to;
    if (filter.from.isValid())
        return QStringLiteral("з ") + from;
    if (filter.to.isValid())
        return QStringLiteral("по ") + to;
    return QStringLiteral("за весь час");
}

bool writePupilReport(const QString& path, const PupilView& pupil, const DateFilter& filter,
                      QChartView* categoryView, QChartView* weekView) {
    QPdfWriter pdf(path);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setResolution(150);
    pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    pdf.setTitle(QStringLiteral("Результати Зорни: ") + pupil.name);
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    const QRect page = painter.viewport();
    const int width = page.width();
    int y = 0;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(18);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(0, y, width, 60), Qt::AlignLeft | Qt::AlignVCenter, pupil.name);
    y += 64;
    font.setPointSize(10);
    font.setBold(false);
    painter.setFont(font);
    qint64 answered = 0;
    qint64 right = 0;
    for (const CategoryTally& tally : pupil.categories) {
        answered += tally.total();
        right += tally.right;
    }
    const QString summary = QStringLiteral("Період: %1.   Ігор: %2.   Завдань: %3, правильно %4 %.")
                                .arg(periodText(filter))
                                .arg(pupil.games.size())
                                .arg(answered)
                                .arg(percentRight(right, answered));
    painter.drawText(QRect(0, y, width, 30), Qt::AlignLeft | Qt::AlignVCenter, summary);
    y += 44;

    // The two charts side by side as on the screen, each in its own proportions.
    const int gap = 20;
    const int categoryWidth = (width - gap) * 3 / 5;
    const int weekWidth = width - gap - categoryWidth;
    const auto heightFor = [](QChartView* view, int w) {
        return view->width() > 0 ? w * view->height() / view->width() : w / 2;
    };
    const int chartsHeight = std::min(
        std::max(heightFor(categoryView, categoryWidth), heightFor(weekView, weekWidth)), page.height() / 2);
    drawChart(painter, categoryView, QRect(0, y, categoryWidth, chartsHeight));
    drawChart(painter, weekView, QRect(categoryWidth + gap, y, weekWidth, chartsHeight));
    y += chartsHeight + 24;

    // The latest games that fit on the page, newest first.
    font.setBold(true);
    painter.setFont(font);
    const int columns[] = {0, int(width * 0.22), int(width * 0.66), int(width * 0.78), int(width * 0.90)};
    const QStringList headers{QStringLiteral("Дата"), QStringLiteral("Партнери"), QStringLiteral("Місце"),
                              QStringLiteral("Завдань"), QStringLiteral("Правильно")};
    const int lineHeight = 28;
    for (int c = 0; c < 5; ++c)
        painter.drawText(QRect(columns[c], y, width / 4, lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         headers[c]);
    y += lineHeight;
    font.setBold(false);
    painter.setFont(font);
    for (auto game = pupil.games.rbegin(); game != pupil.games.rend() && y + lineHeight <= page.height();
         ++game) {
        const QStringList cells{
            game->started.date().toString(Qt::ISODate), game->partners.join(QStringLiteral(", ")),
            game->place ? QString::number(*game->place) : QStringLiteral("—"),
            QString::number(game->answered),
            QString::number(percentRight(game->right, game->answered)) + QStringLiteral(" %")};
        for (int c = 0; c < 5; ++c) {
            const int cellWidth = (c < 4 ? columns[c + 1] : width) - columns[c] - 8;
            painter.drawText(QRect(columns[c], y, cellWidth, lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                             painter.fontMetrics().elidedText(cells[c], Qt::ElideRight, cellWidth));
        }
        y += lineHeight;
    }
    return painter.end();
}

} // namespace zorna::results
