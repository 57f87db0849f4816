#include "results/windows/pdf_report.h"

#include "results/windows/charts.h"

#include <QChartView>
#include <QCoreApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace zorna::results {

namespace {

// Draws a chart into the rectangle through a view that is never shown, at the
// scale of a screen (the page has 150 dots per inch, a screen about 96).
void drawChart(QPainter& painter, QChart* chart, const QRect& target) {
    constexpr qreal kScale = 150.0 / 96.0;
    QChartView view(chart);
    view.setRenderHint(QPainter::Antialiasing);
    view.setFrameShape(QFrame::NoFrame);
    view.resize((QSizeF(target.size()) / kScale).toSize());
    // The chart lays itself out (axis labels, legend, bar labels) once its view
    // has been shown and the events of that have run.
    view.setAttribute(Qt::WA_DontShowOnScreen);
    view.show();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(kScale, kScale);
    static_cast<QWidget&>(view).render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    painter.restore();
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

bool writePupilReport(const QString& path, const PupilView& pupil, const DateFilter& filter) {
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

    const int chartHeight = int(width * 0.52);
    drawChart(painter, categoryChart(pupil.categories), QRect(0, y, width, chartHeight));
    y += chartHeight + 16;
    const int weekHeight = int(width * 0.40);
    drawChart(painter, weekChart(pupil.weeks), QRect(0, y, width, weekHeight));
    y += weekHeight + 20;

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
