#include "journal/categories.h"

namespace zorna::journal {

QString categoryTitle(int category) {
    static const std::array<QString, kCategoryCount> titles = {
        QStringLiteral("На стійкість уваги та спостережливість"),
        QStringLiteral("На аналітичне сприйняття"),
        QStringLiteral("На просторову уяву і просторове мислення"),
        QStringLiteral("На умовиводи при співставленні предметів та подій"),
        QStringLiteral("На логічне мислення"),
        QStringLiteral("На розвиток реакції"),
        QStringLiteral("На зорову пам'ять"),
    };
    return isCategory(category) ? titles[std::size_t(category - 1)] : QString();
}

} // namespace zorna::journal
