#include "support/links.h"

#include <QFile>

#include <sys/stat.h>

namespace zorna::test {

LinkResult makeLink(const QString& target, const QString& name) {
    return QFile::link(target, name) ? LinkResult::Made : LinkResult::Failed;
}

bool makeFifo(const QString& path) {
    return ::mkfifo(QFile::encodeName(path).constData(), 0666) == 0;
}

bool shareForReading(const QString& from, const QString& to) {
    return QFile::link(from, to);
}

bool unshare(const QString& path) {
    return QFile::remove(path);
}

} // namespace zorna::test
