#include "results/model/periods.h"

namespace zorna::results {

namespace {

DateFilter springTerm(int year) {
    return {QDate(year, 1, 1), QDate(year, 5, 31)};
}

DateFilter autumnTerm(int year) {
    return {QDate(year, 9, 1), QDate(year, 12, 31)};
}

} // namespace

DateFilter presetPeriod(PeriodPreset preset, const QDate& today) {
    switch (preset) {
    case PeriodPreset::ThisWeek: {
        const QDate monday = today.addDays(1 - today.dayOfWeek());
        return {monday, monday.addDays(6)};
    }
    case PeriodPreset::ThisMonth:
        return {QDate(today.year(), today.month(), 1),
                QDate(today.year(), today.month(), today.daysInMonth())};
    case PeriodPreset::ThisTerm:
        return today.month() >= 9 ? autumnTerm(today.year()) : springTerm(today.year());
    case PeriodPreset::ThisSchoolYear: {
        const int startYear = today.month() >= 9 ? today.year() : today.year() - 1;
        return {QDate(startYear, 9, 1), QDate(startYear + 1, 8, 31)};
    }
    case PeriodPreset::All:
    case PeriodPreset::Custom:
        break;
    }
    return {};
}

QString presetTitle(PeriodPreset preset) {
    switch (preset) {
    case PeriodPreset::All:
        return QStringLiteral("Усі дні");
    case PeriodPreset::ThisWeek:
        return QStringLiteral("Цей тиждень");
    case PeriodPreset::ThisMonth:
        return QStringLiteral("Цей місяць");
    case PeriodPreset::ThisTerm:
        return QStringLiteral("Цей семестр");
    case PeriodPreset::ThisSchoolYear:
        return QStringLiteral("Цей навчальний рік");
    case PeriodPreset::Custom:
        return QStringLiteral("Свої дні");
    }
    return QString();
}

QString periodDays(const DateFilter& filter) {
    const QString from = filter.from.toString(Qt::ISODate);
    const QString to = filter.to.toString(Qt::ISODate);
    if (filter.from.isValid() && filter.to.isValid())
        return QStringLiteral("%1 – %2").arg(from, to);
    if (filter.from.isValid())
        return QStringLiteral("з %1").arg(from);
    if (filter.to.isValid())
        return QStringLiteral("по %1").arg(to);
    return QStringLiteral("усі дні");
}

QString periodText(const DateFilter& filter) {
    return QStringLiteral("Період: ") + periodDays(filter);
}

} // namespace zorna::results
