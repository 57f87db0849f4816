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
    int error = 0;
    for (int attempt = 0; attempt < 3; ++attempt) {
        // Never waits on a FIFO and never follows a link.
        const int fd =
            ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY, 0644);
        if (fd < 0) {
            error = errno;
            // A link in the lock file's place is removed (its target stays) and the file made anew.
            if (error == ELOOP && ::unlink(path.constData()) == 0)
                continue;
            break;
        }
        struct stat st {};
        if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
            error = EINVAL;
            ::close(fd);
            break;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            error = errno;
            ::close(fd);
            if (error == EWOULDBLOCK) {
                state_ = State::HeldByAnother;
                return;
            }
            break;
        }
        if (stillAt(fd, path)) {
            handle_ = fd;
            state_ = State::Held;
            return;
        }
        ::close(fd);
        error = EAGAIN;
    }
    qCWarning(lcFiles).noquote() << "lock not made:" << path_ << "-"
                                 << QString::fromLocal8Bit(std::strerror(error))
                                 << "- a second copy cannot be checked for";
}

SingleInstance::~SingleInstance() {
    if (handle_ < 0)
        return;
    // Removed while still locked, so that no copy can lock the file on its way out.
    ::unlink(QFile::encodeName(path_).constData());
    ::close(int(handle_));
}

} // namespace zorna
