#include "results/model/result_tables.h"

#include "journal/categories.h"
#include "results/model/csv_export.h"

#include <QDir>

#include <algorithm>

namespace zorna::results {

namespace {

QString number(qint64 value) {
    return QString::number(value);
}

// Share right in percent; empty without answers, so 0 % means answers all wrong.
QString percentText(qint64 right, qint64 total) {
    return total > 0 ? QString::number(percentRight(right, total)) : QString();
}

QVariant percentSort(qint64 right, qint64 total) {
    return total > 0 ? QVariant(double(right) / double(total)) : QVariant(-1.0);
}

std::vector<ResultColumn<PupilRow>> pupilColumns() {
    return {
        {QStringLiteral("Учень"), {}, [](const PupilRow& p) { return p.name; }, {}, true},
        {QStringLiteral("Ігор"),
         {},
         [](const PupilRow& p) { return number(p.games); },
         [](const PupilRow& p) { return QVariant(p.games); }},
        {QStringLiteral("Завдань"),
         {},
         [](const PupilRow& p) { return number(p.answered()); },
         [](const PupilRow& p) { return QVariant(p.answered()); }},
        {QStringLiteral("Правильно"),
         {},
         [](const PupilRow& p) { return number(p.right()); },
         [](const PupilRow& p) { return QVariant(p.right()); }},
        {QStringLiteral("Правильно, %"),
         {},
         [](const PupilRow& p) { return percentText(p.right(), p.answered()); },
         [](const PupilRow& p) { return percentSort(p.right(), p.answered()); }},
    };
}

} // namespace

QString dateTimeText(const QDateTime& when) {
    return when.isValid() ? when.toString(QStringLiteral("yyyy-MM-dd HH:mm")) : QString();
}

QString dayText(const QDate& day) {
    return day.isValid() ? day.toString(Qt::ISODate) : QString();
}

PupilListModel::PupilListModel() : ResultTableModel(pupilColumns()) {}

ClassTableModel::ClassTableModel()
    : ResultTableModel([] {
          std::vector<ResultColumn<PupilRow>> columns = pupilColumns();
          columns.push_back({QStringLiteral("Перший день"),
                             {},
                             [](const PupilRow& p) { return dayText(p.firstDay); },
                             [](const PupilRow& p) { return QVariant(p.firstDay); }});
          columns.push_back({QStringLiteral("Останній день"),
                             {},
                             [](const PupilRow& p) { return dayText(p.lastDay); },
                             [](const PupilRow& p) { return QVariant(p.lastDay); }});
          for (int c = 1; c <= journal::kCategoryCount; ++c) {
              const std::size_t i = std::size_t(c - 1);
              const QString title = journal::categoryTitle(c);
              columns.push_back({title + QStringLiteral(": завдань"),
                                 {},
                                 [i](const PupilRow& p) { return number(p.categories[i].total()); },
                                 [i](const PupilRow& p) { return QVariant(p.categories[i].total()); }});
              columns.push_back({title + QStringLiteral(": правильно"),
                                 {},
                                 [i](const PupilRow& p) { return number(p.categories[i].right); },
                                 [i](const PupilRow& p) { return QVariant(p.categories[i].right); }});
              columns.push_back({title + QStringLiteral(": правильно, %"),
                                 {},
                                 [i](const PupilRow& p) {
                                     return percentText(p.categories[i].right, p.categories[i].total());
                                 },
                                 [i](const PupilRow& p) {
                                     return percentSort(p.categories[i].right, p.categories[i].total());
                                 }});
          }
          return columns;
      }()) {}

PupilGamesModel::PupilGamesModel()
    : ResultTableModel<PupilGame>({
          {QStringLiteral("Дата і час"),
           {},
           [](const PupilGame& g) { return dateTimeText(g.started); },
           [](const PupilGame& g) { return QVariant(g.started); }},
          {QStringLiteral("Партнери"),
           {},
           [](const PupilGame& g) { return g.partners.join(QStringLiteral(", ")); },
           {},
           true},
          {QStringLiteral("Місце"),
           {},
           [](const PupilGame& g) { return g.place ? number(*g.place) : QString(); },
           [](const PupilGame& g) { return QVariant(g.place.value_or(99)); }},
          {QStringLiteral("Завдань"),
           {},
           [](const PupilGame& g) { return number(g.answered); },
           [](const PupilGame& g) { return QVariant(g.answered); }},
          {QStringLiteral("Правильно"),
           {},
           [](const PupilGame& g) { return number(g.right); },
           [](const PupilGame& g) { return QVariant(g.right); }},
          {QStringLiteral("Правильно, %"),
           {},
           [](const PupilGame& g) { return percentText(g.right, g.answered); },
           [](const PupilGame& g) { return percentSort(g.right, g.answered); }},
      }) {}

void PupilGamesModel::setGames(const std::vector<PupilGame>& games) {
    std::vector<PupilGame> newestFirst = games;
    std::stable_sort(newestFirst.begin(), newestFirst.end(),
                     [](const PupilGame& a, const PupilGame& b) { return a.started > b.started; });
    setRows(std::move(newestFirst));
}

PupilCategoriesModel::PupilCategoriesModel()
    : ResultTableModel<CategoryRow>({
          {QStringLiteral("Категорія"),
           {},
           [](const CategoryRow& r) { return journal::categoryTitle(r.category); },
           [](const CategoryRow& r) { return QVariant(r.category); },
           true},
          {QStringLiteral("Завдань"),
           {},
           [](const CategoryRow& r) { return number(r.tally.total()); },
           [](const CategoryRow& r) { return QVariant(r.tally.total()); }},
          {QStringLiteral("Правильно"),
           {},
           [](const CategoryRow& r) { return number(r.tally.right); },
           [](const CategoryRow& r) { return QVariant(r.tally.right); }},
          {QStringLiteral("Правильно, %"),
           {},
           [](const CategoryRow& r) { return percentText(r.tally.right, r.tally.total()); },
           [](const CategoryRow& r) { return percentSort(r.tally.right, r.tally.total()); }},
          {QStringLiteral("Час на завдання, с"),
           QStringLiteral("Медіана часу, поки вікно завдання було відкрите, секунд"),
           [](const CategoryRow& r) {
               return r.medianSeconds ? QString::number(*r.medianSeconds, 'f', 1) : QString();
           },
           [](const CategoryRow& r) { return QVariant(r.medianSeconds.value_or(-1)); }},
      }) {}

void PupilCategoriesModel::setPupil(const PupilView& pupil) {
    std::vector<CategoryRow> rows;
    for (int c = 1; c <= journal::kCategoryCount; ++c)
        rows.push_back({c, pupil.categories[std::size_t(c - 1)], pupil.medianSeconds[std::size_t(c - 1)]});
    setRows(std::move(rows));
}

FailedTasksModel::FailedTasksModel()
    : ResultTableModel<FailedTaskRow>({
          {QStringLiteral("Клітинка"),
           {},
           [](const FailedTaskRow& r) { return number(r.failures.square); },
           [](const FailedTaskRow& r) { return QVariant(r.failures.square); }},
          {QStringLiteral("Завдання"), {}, [](const FailedTaskRow& r) { return r.name; }, {}, true},
          {QStringLiteral("Неправильно"),
           {},
           [](const FailedTaskRow& r) { return number(r.failures.wrong); },
           [](const FailedTaskRow& r) { return QVariant(r.failures.wrong); }},
          {QStringLiteral("Завдань"),
           {},
           [](const FailedTaskRow& r) { return number(r.failures.total); },
           [](const FailedTaskRow& r) { return QVariant(r.failures.total); }},
      }) {}

void FailedTasksModel::setPupil(const PupilView& pupil, const std::function<QString(int square)>& taskName) {
    std::vector<FailedTaskRow> rows;
    for (const TaskFailures& failures : pupil.mostFailed)
        rows.push_back({failures, taskName ? taskName(failures.square) : QString()});
    setRows(std::move(rows));
}

OpenJournalsModel::OpenJournalsModel()
    : ResultTableModel<OpenJournalRow>({
          {QStringLiteral("Файл"),
           {},
           [](const OpenJournalRow& r) { return QDir::toNativeSeparators(r.path); },
           {},
           true},
          {QStringLiteral("Комп'ютер"), {}, [](const OpenJournalRow& r) { return r.computer; }, {}, true},
          {QStringLiteral("Відповідей"),
           {},
           [](const OpenJournalRow& r) { return number(r.answers); },
           [](const OpenJournalRow& r) { return QVariant(r.answers); }},
          {QStringLiteral("Остання відповідь"),
           {},
           [](const OpenJournalRow& r) { return dateTimeText(r.lastAnswer); },
           [](const OpenJournalRow& r) { return QVariant(r.lastAnswer); }},
      }) {}

QString tableCsv(const QAbstractItemModel& model) {
    QString text;
    const auto addLine = [&text](const QStringList& fields) {
        QStringList quoted;
        for (const QString& field : fields)
            quoted.append(csvField(field));
        text += quoted.join(QLatin1Char(';')) + QStringLiteral("\r\n");
    };
    QStringList header;
    for (int c = 0; c < model.columnCount(); ++c)
        header.append(model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString());
    addLine(header);
    for (int r = 0; r < model.rowCount(); ++r) {
        QStringList fields;
        for (int c = 0; c < model.columnCount(); ++c)
            fields.append(model.index(r, c).data(Qt::DisplayRole).toString());
        addLine(fields);
    }
    return text;
}

QString tableHtml(const QAbstractItemModel& model, const QList<int>& columns) {
    QList<int> shown = columns;
    if (shown.isEmpty())
        for (int c = 0; c < model.columnCount(); ++c)
            shown.append(c);
    QString html =
        QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\"><tr>");
    for (const int c : shown)
        html += QStringLiteral("<th>%1</th>")
                    .arg(model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString().toHtmlEscaped());
    html += QStringLiteral("</tr>");
    for (int r = 0; r < model.rowCount(); ++r) {
        html += QStringLiteral("<tr>");
        for (const int c : shown) {
            const QModelIndex index = model.index(r, c);
            const bool left = index.data(Qt::TextAlignmentRole).toInt() & Qt::AlignLeft;
            html += QStringLiteral("<td align=\"%1\">%2</td>")
                        .arg(left ? QStringLiteral("left") : QStringLiteral("center"),
                             index.data(Qt::DisplayRole).toString().toHtmlEscaped());
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

} // namespace zorna::results
