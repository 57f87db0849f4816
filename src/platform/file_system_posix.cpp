#include "platform/file_system.h"
#include "platform/file_system_native.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zorna {

namespace {

QByteArray encoded(const QString& path) {
    return QFile::encodeName(path);
}

QString reason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

bool fail(const char* step, const QString& path, int error = errno) {
    qCWarning(lcFiles).noquote() << step << "failed:" << path << "-" << reason(error);
    return false;
}

} // namespace

// --- SystemFileSystem: POSIX calls ---------------------------------------------------------

int SystemFileSystem::create(const QString& path) {
    const int fd =
        ::open(encoded(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0)
        fail("create", path);
    return fd;
}

bool SystemFileSystem::write(int handle, const QByteArray& bytes, const QString& path) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(handle, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return fail("write", path);
        if (n == 0)
            return fail("write", path, ENOSPC);
        done += n;
    }
    return true;
}

bool SystemFileSystem::sync(int handle, const QString& path) {
    if (::fsync(handle) != 0)
        return fail("sync", path);
    return true;
}

bool SystemFileSystem::close(int handle, const QString& path) {
    // On Linux the handle is released even when close reports an error.
    if (::close(handle) != 0 && errno != EINTR)
        return fail("close", path);
    return true;
}

bool SystemFileSystem::rename(const QString& from, const QString& to) {
    if (::rename(encoded(from).constData(), encoded(to).constData()) != 0)
        return fail("rename", from + QStringLiteral(" -> ") + to);
    return true;
}

bool SystemFileSystem::syncFolder(const QString& path) {
    const int fd = ::open(encoded(path).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return fail("open folder", path);
    bool ok = true;
    // A file system that cannot sync folders (EINVAL) keeps what it can.
    if (::fsync(fd) != 0 && errno != EINVAL)
        ok = fail("sync folder", path);
    ::close(fd);
    return ok;
}

bool SystemFileSystem::makeFolder(const QString& path) {
    if (::mkdir(encoded(path).constData(), 0777) != 0)
        return fail("make folder", path);
    return true;
}

bool SystemFileSystem::remove(const QString& path) {
    if (::unlink(encoded(path).constData()) != 0)
        return fail("remove", path);
    return true;
}

bool SystemFileSystem::removeFolder(const QString& path) {
    if (::rmdir(encoded(path).constData()) != 0)
        return fail("remove folder", path);
    return true;
}

// --- Reading -----------------------------------------------------------------

EntryKind entryKind(const QString& path) {
    struct stat st;
    if (::lstat(encoded(path).constData(), &st) != 0)
        return EntryKind::Missing;
    if (S_ISREG(st.st_mode))
        return EntryKind::File;
    if (S_ISDIR(st.st_mode))
        return EntryKind::Folder;
    if (S_ISLNK(st.st_mode))
        return EntryKind::Link;
    return EntryKind::Other;
}

qint64 fileSize(const QString& path) {
    struct stat st;
    if (::lstat(encoded(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return -1;
    return qint64(st.st_size);
}

bool folderWritable(const QString& path) {
    return ::access(encoded(path).constData(), W_OK) == 0;
}

namespace native {

std::optional<QByteArray> readPlainFile(const QString& path, qint64 maxBytes, Links links) {
    // Checked before opening, so that a FIFO or a device is never opened, and
    // again on the open file, in case the name changed in between.
    struct stat st;
    const int found = links == Links::Follow ? ::stat(encoded(path).constData(), &st)
                                             : ::lstat(encoded(path).constData(), &st);
    if (found != 0)
        return std::nullopt;
    if (!S_ISREG(st.st_mode)) {
        qCWarning(lcFiles).noquote() << "not read:" << path << "- not a plain file";
        return std::nullopt;
    }
    const int noFollow = links == Links::Follow ? 0 : O_NOFOLLOW;
    const int fd = ::open(encoded(path).constData(), O_RDONLY | noFollow | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        fail("open", path);
        return std::nullopt;
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        qCWarning(lcFiles).noquote() << "not read:" << path << "- not a plain file";
        return std::nullopt;
    }
    if (st.st_size > maxBytes) {
        ::close(fd);
        qCWarning(lcFiles).noquote() << "not read:" << path << "- larger than" << maxBytes << "bytes";
        return std::nullopt;
    }
    const auto data = readAtMost(path, maxBytes, [&](char* into, qint64 count) -> qint64 {
        for (;;) {
            const ssize_t n = ::read(fd, into, size_t(count));
            if (n >= 0)
                return n;
            if (errno != EINTR) {
                fail("read", path);
                return -1;
            }
        }
    });
    ::close(fd);
    return data;
}

} // namespace native

} // namespace zorna
