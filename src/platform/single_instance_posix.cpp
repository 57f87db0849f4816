#include "platform/single_instance.h"

#include "platform/file_system.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zorna {

namespace {

// Whether the open file is still the one at the path: a copy that was just
// ending may have removed the file after this one opened it.
bool stillAt(int fd, const QByteArray& path) {
    struct stat opened {};
    struct stat named {};
    return ::fstat(fd, &opened) == 0 && ::lstat(path.constData(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

} // namespace

QString SingleInstance::lockPath(const QString& workingFolder) {
    return QFileInfo(workingFolder).absolutePath() + QStringLiteral("/zorna.lock");
}

SingleInstance::SingleInstance(const QString& workingFolder) : path_(lockPath(workingFolder)) {
    const QByteArray path = QFile::encodeName(path_);
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
        if (fd < 0) {
            // A link in the lock file's place is removed (its target stays) and the file made anew.
            if (errno == ELOOP && ::unlink(path.constData()) == 0)
                continue;
            break;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(fd);
            if (error == EWOULDBLOCK) {
                onlyCopy_ = false;
                return;
            }
            errno = error;
            break;
        }
        if (stillAt(fd, path)) {
            handle_ = fd;
            return;
        }
        ::close(fd);
    }
    qCWarning(lcFiles).noquote() << "lock not made:" << path_ << "-"
                                 << QString::fromLocal8Bit(std::strerror(errno))
                                 << "- running without a check for a second copy";
}

SingleInstance::~SingleInstance() {
    if (handle_ < 0)
        return;
    // Removed while still locked, so that no copy can lock the file on its way out.
    ::unlink(QFile::encodeName(path_).constData());
    ::close(int(handle_));
}

} // namespace zorna
