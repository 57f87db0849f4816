#include "results/windows/pdf_report.h"

#include "journal/categories.h"
#include "platform/file_system.h"
#include "results/model/journal_set.h"
#include "results/model/periods.h"
#include "results/model/result_tables.h"
#include "results/windows/charts.h"

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>

namespace zorna::results {

namespace {

constexpr int kResolution = 150;

const QString kStyle = QStringLiteral("<style>body { font-family: 'DejaVu Sans', 'Liberation Sans', Arial, "
                                      "sans-serif; font-size: 9pt; } h1 { font-size: 16pt; } "
                                      "h2 { font-size: 11pt; margin-top: 10px; } th { background: #e8e8e8; } "
                                      ".page { page-break-before: always; }</style>");

QString summary(const PupilView& pupil) {
    qint64 answered = 0;
    qint64 right = 0;
    for (const CategoryTally& tally : pupil.categories) {
        answered += tally.total();
        right += tally.right;
    }
    return QStringLiteral("<p>%1. Ігор: %2. Завдань: %3, правильно: %4 (%5 %).</p>")
        .arg(periodText(pupil.period).toHtmlEscaped())
        .arg(pupil.games.size())
        .arg(answered)
        .arg(right)
        .arg(percentRight(right, answered));
}

QString failedHtml(const PupilView& pupil, const std::function<QString(int square)>& taskName) {
    if (pupil.mostFailed.empty())
        return QString();
    FailedTasksModel failed;
    failed.setPupil(pupil, taskName);
    return QStringLiteral("<h2>Найважчі завдання</h2>") + tableHtml(failed);
}

// A pupil's page without charts: name, totals, categories, games.
QString pupilHtml(const PupilView& pupil, const QString& charts,
                  const std::function<QString(int square)>& taskName) {
    PupilCategoriesModel categories;
    categories.setPupil(pupil);
    PupilGamesModel games;
    games.setGames(pupil.games);
    return QStringLiteral("<h1>%1</h1>").arg(pupil.name.toHtmlEscaped()) + summary(pupil) + charts +
           QStringLiteral("<h2>Категорії</h2>") + tableHtml(categories) + QStringLiteral("<h2>Ігри</h2>") +
           tableHtml(games) + failedHtml(pupil, taskName);
}

// Prints the document into memory and writes the file whole through the file
// layer, which reports a folder that cannot be written.
bool print(QTextDocument& document, const QString& path, const QString& title,
           QPageLayout::Orientation orientation) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(title);
        pdf.setResolution(kResolution);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), orientation, QMarginsF(15, 15, 15, 15),
                                      QPageLayout::Millimeter));
        document.setPageSize(pdf.pageLayout().paintRectPixels(kResolution).size());
        document.print(&pdf);
    }
    return !buffer.data().isEmpty() && writeWhole(path, buffer.data());
}

} // namespace

bool writePupilReport(const QString& path, const PupilView& pupil,
                      const std::function<QString(int square)>& taskName) {
    QTextDocument document;
    document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("chart:categories")),
                         chartPicture(*categoryChart(pupil.categories), 640));
    document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("chart:weeks")),
                         chartPicture(*weekChart(pupil.weeks), 640));
    const QString charts = QStringLiteral("<p><img src=\"chart:categories\" width=\"640\"></p>"
                                          "<p><img src=\"chart:weeks\" width=\"640\"></p>");
    document.setHtml(kStyle + pupilHtml(pupil, charts, taskName));
    return print(document, path, QStringLiteral("Результати Зорни: ") + pupil.name, QPageLayout::Portrait);
}

bool writeClassReport(const QString& path, const QString& className, const ClassView& view,
                      JournalSet& journals, const std::function<QString(int square)>& taskName) {
    ClassTableModel table;
    table.setRows(view.pupils);
    const QString title =
        className.isEmpty() ? QStringLiteral("Клас") : QStringLiteral("Клас %1").arg(className);
    QString html = kStyle + QStringLiteral("<h1>%1</h1><p>%2. Учнів: %3.</p>")
                                .arg(title.toHtmlEscaped(), periodText(view.period).toHtmlEscaped())
                                .arg(view.pupils.size());
    // The class table's columns in parts that fit the page's width: the
    // totals, then three categories at a time (each with the pupil's name).
    constexpr int kTotalsColumns = 7;
    constexpr int kColumnsPerCategory = 3;
    constexpr int kCategoriesPerPart = 3;
    html += tableHtml(table, {0, 1, 2, 3, 4, 5, 6});
    for (int first = 0; first < journal::kCategoryCount; first += kCategoriesPerPart) {
        QList<int> columns{0};
        for (int c = first; c < std::min(first + kCategoriesPerPart, journal::kCategoryCount); ++c)
            for (int k = 0; k < kColumnsPerCategory; ++k)
                columns.append(kTotalsColumns + c * kColumnsPerCategory + k);
        html += QStringLiteral("<div class=\"page\"></div>") + tableHtml(table, columns);
    }
    for (const PupilRow& row : view.pupils)
        html += QStringLiteral("<div class=\"page\">") +
                pupilHtml(buildPupilView(journals, row.key, view.period), QString(), taskName) +
                QStringLiteral("</div>");
    QTextDocument document;
    document.setHtml(html);
    return print(document, path, QStringLiteral("Результати Зорни: ") + title, QPageLayout::Landscape);
}

} // namespace zorna::results
