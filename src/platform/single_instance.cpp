#include "platform/single_instance.h"

#include "platform/file_system.h"

#include <QFileInfo>

namespace zorna {

QString SingleInstance::lockPath(const QString& workingFolder) {
    return QFileInfo(workingFolder).absolutePath() + QStringLiteral("/zorna.lock");
}

SingleInstance::SingleInstance(const QString& workingFolder) : lock_(lockPath(workingFolder)) {
    // Never stale by age: a game may run for hours. A lock whose process is
    // gone is still recognised as stale and taken over.
    lock_.setStaleLockTime(0);
    if (lock_.tryLock(0))
        return;
    if (lock_.error() == QLockFile::LockFailedError) {
        onlyCopy_ = false;
        return;
    }
    qCWarning(lcFiles).noquote() << "lock not made:" << lockPath(workingFolder)
                                 << "- running without a check for a second copy";
}

} // namespace zorna
