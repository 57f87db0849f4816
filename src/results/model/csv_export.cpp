#include "results/model/csv_export.h"

namespace zorna::results {

namespace {

QString line(const QStringList& fields) {
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString& field : fields)
        quoted.append(csvField(field));
    return quoted.join(QLatin1Char(';')) + QStringLiteral("\r\n");
}

QString day(const QDate& date) {
    return date.isValid() ? date.toString(Qt::ISODate) : QString();
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
    QStringList header{QStringLiteral("Учень"),       QStringLiteral("Ігор"),
                       QStringLiteral("Завдань"),     QStringLiteral("Правильно, %"),
                       QStringLiteral("Перший день"), QStringLiteral("Останній день")};
    for (int c = 1; c <= journal::kCategoryCount; ++c) {
        header.append(journal::categoryTitle(c) + QStringLiteral(": правильно"));
        header.append(journal::categoryTitle(c) + QStringLiteral(": неправильно"));
    }
    QString text = line(header);
    for (const PupilRow& pupil : view.pupils) {
        QStringList fields{pupil.name,
                           QString::number(pupil.games),
                           QString::number(pupil.answered()),
                           QString::number(percentRight(pupil.right(), pupil.answered())),
                           day(pupil.firstDay),
                           day(pupil.lastDay)};
        for (const CategoryTally& tally : pupil.categories) {
            fields.append(QString::number(tally.right));
            fields.append(QString::number(tally.wrong));
        }
        text += line(fields);
    }
    return withBom(text);
}

QByteArray pupilCsv(const PupilView& view) {
    QString text = line({QStringLiteral("Учень"), view.name});
    text += QStringLiteral("\r\n");
    text += line({QStringLiteral("Дата"), QStringLiteral("Партнери"), QStringLiteral("Місце"),
                  QStringLiteral("Завдань"), QStringLiteral("Правильно")});
    for (const PupilGame& game : view.games)
        text += line({day(game.started.date()), game.partners.join(QStringLiteral(", ")),
                      game.place ? QString::number(*game.place) : QString(), QString::number(game.answered),
                      QString::number(game.right)});
    text += QStringLiteral("\r\n");
    text += line({QStringLiteral("Категорія"), QStringLiteral("Правильно"), QStringLiteral("Неправильно")});
    for (int c = 1; c <= journal::kCategoryCount; ++c) {
        const CategoryTally& tally = view.categories[std::size_t(c - 1)];
        text += line({journal::categoryTitle(c), QString::number(tally.right), QString::number(tally.wrong)});
    }
    text += QStringLiteral("\r\n");
    text += line({QStringLiteral("Тиждень з"), QStringLiteral("Завдань"), QStringLiteral("Правильно, %")});
    for (const WeekShare& week : view.weeks)
        text += line({day(week.monday), QString::number(week.total),
                      QString::number(percentRight(week.right, week.total))});
    return withBom(text);
}

} // namespace zorna::results
