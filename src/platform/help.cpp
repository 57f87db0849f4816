#include "platform/help.h"

#include <QDesktopServices>
#include <QUrl>

namespace zorna {

void DesktopHelpLauncher::open(const QString& file) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

} // namespace zorna
