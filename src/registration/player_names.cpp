#include "registration/player_names.h"

#include "board/board_model.h"
#include "platform/records.h"

namespace zorna {

QString savedName(const QString& name) {
    return fromWindows1251(toWindows1251(name.trimmed()).left(GameRecord::kNameWidth)).trimmed();
}

std::optional<NameProblem> checkPlayerNames(const QStringList& names) {
    for (int i = 0; i < names.size(); ++i)
        if (names[i].trimmed().isEmpty())
            return NameProblem{NameProblem::Kind::Missing, i + 1};
    for (int i = 0; i < names.size(); ++i)
        if (const std::optional<char32_t> c = firstUnencodable(names[i].trimmed()))
            return NameProblem{NameProblem::Kind::Unsaveable, i + 1, *c};
    QStringList saved;
    for (const QString& name : names) {
        const QString s = savedName(name);
        if (saved.contains(s))
            return NameProblem{NameProblem::Kind::Same, int(saved.size()) + 1};
        saved.append(s);
    }
    return std::nullopt;
}

QString describeCharacter(char32_t character) {
    switch (QChar::category(character)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
    case QChar::Separator_Space:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Other_PrivateUse:
    case QChar::Other_NotAssigned:
        return QStringLiteral("U+%1").arg(uint(character), 4, 16, QLatin1Char('0')).toUpper();
    default:
        return QStringLiteral("«%1»").arg(QString::fromUcs4(&character, 1));
    }
}

} // namespace zorna
