#include "results/model/csv_export.h"

#include "results/model/periods.h"
#include "results/model/result_tables.h"

namespace zorna::results {

namespace {

QString line(const QStringList& fields) {
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString& field : fields)
        quoted.append(csvField(field));
    return quoted.join(QLatin1Char(';')) + QStringLiteral("\r\n");
}

QByteArray withBom(const QString& text) {
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

} // namespace

QString csvField(const QString& text) {
    QString field = text;
    if (!field.isEmpty() && QStringLiteral("=+-@").contains(field.front()))
        field.prepend(QLatin1Char('\''));
    if (field.contains(QLatin1Char(';')) || field.contains(QLatin1Char('"')) ||
        field.contains(QLatin1Char('\n')) || field.contains(QLatin1Char('\r'))) {
        field.replace(QLatin1String("\""), QLatin1String("\"\""));
        field = QLatin1Char('"') + field + QLatin1Char('"');
    }
    return field;
}

QByteArray classCsv(const ClassView& view) {
    ClassTableModel table;
    table.setRows(view.pupils);
    return withBom(line({QStringLiteral("Період"), periodDays(view.period)}) + tableCsv(table));
}

QByteArray pupilCsv(const PupilView& view) {
    QString text = line({QStringLiteral("Учень"), view.name});
    text += line({QStringLiteral("Період"), periodDays(view.period)});
    PupilGamesModel games;
    games.setGames(view.games);
    text += QStringLiteral("\r\n") + tableCsv(games);
    PupilCategoriesModel categories;
    categories.setPupil(view);
    text += QStringLiteral("\r\n") + tableCsv(categories);
    text += QStringLiteral("\r\n");
    text += line({QStringLiteral("Тиждень з"), QStringLiteral("Завдань"), QStringLiteral("Правильно"),
                  QStringLiteral("Правильно, %")});
    for (const WeekShare& week : view.weeks)
        text += line({dayText(week.monday), QString::number(week.total), QString::number(week.right),
                      QString::number(percentRight(week.right, week.total))});
    return withBom(text);
}

} // namespace zorna::results
