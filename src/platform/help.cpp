#include "platform/help.h"

#include "platform/app_context.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace zorna {

bool DesktopHelpLauncher::open(const QString& file) {
    if (!QFileInfo(file).isFile())
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

void showHelpPage(AppContext& ctx, QWidget* parent) {
    const QString page = ctx.folder.helpPage();
    if (ctx.help.open(page))
        return;
    ctx.dialogs.show(
        parent,
        Message{QStringLiteral("Помилка"),
                QStringLiteral("Не вдалося відкрити файл довідки %1!").arg(QDir::toNativeSeparators(page)),
                MsgIcon::Warning, MsgButtons::Ok});
}

} // namespace zorna
