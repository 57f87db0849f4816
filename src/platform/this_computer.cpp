#include "platform/this_computer.h"

#include <QSysInfo>
#include <QUuid>

namespace zorna {

QString computerName() {
    return QSysInfo::machineHostName();
}

QString accountName() {
    QString name = qEnvironmentVariable("USER");
    if (name.isEmpty())
        name = qEnvironmentVariable("USERNAME");
    if (name.isEmpty())
        name = qEnvironmentVariable("LOGNAME");
    return name;
}

QString programVersion() {
    return QStringLiteral(ZORNA_VERSION);
}

QString newUniqueId() {
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

} // namespace zorna
