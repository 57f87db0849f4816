#include "results/model/pupil_names.h"

#include <QCollator>
#include <QLocale>

namespace zorna::results {

QString pupilKey(const QString& typed) {
    QString key = typed.trimmed().toCaseFolded();
    for (QChar& c : key)
        if (c == QChar(0x2019) || c == QChar(0x02BC) || c == QChar(0x2018) || c == QChar(0x60))
            c = QLatin1Char('\'');
    return key;
}

QString preferredSpelling(const std::map<QString, qint64>& answersBySpelling) {
    std::map<QString, qint64> byTrimmed;
    for (const auto& [spelling, answers] : answersBySpelling)
        byTrimmed[spelling.trimmed()] += answers;
    QString best;
    qint64 most = -1;
    for (const auto& [spelling, answers] : byTrimmed) {
        if (answers > most || (answers == most && ukrainianLess(spelling, best))) {
            best = spelling;
            most = answers;
        }
    }
    return best;
}

bool ukrainianLess(const QString& a, const QString& b) {
    static const QCollator collator = [] {
        QCollator c{QLocale(QLocale::Ukrainian, QLocale::Ukraine)};
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    const int order = collator.compare(a, b);
    return order != 0 ? order < 0 : a < b;
}

} // namespace zorna::results
