#include "platform/file_system.h"
#include "platform/file_system_native.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

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

EntryKind kindOf(mode_t mode) {
    if (S_ISREG(mode))
        return EntryKind::File;
    if (S_ISDIR(mode))
        return EntryKind::Folder;
    if (S_ISLNK(mode))
        return EntryKind::Link;
    return EntryKind::Other;
}

QString shown(const QByteArray& name) {
    return QFile::decodeName(name);
}

// The names in an open folder, read through a handle of its own.
std::optional<std::vector<QByteArray>> namesAt(int folder, const QString& path) {
    const int listing = ::dup(folder);
    if (listing < 0) {
        fail("read folder", path);
        return std::nullopt;
    }
    DIR* dir = ::fdopendir(listing);
    if (!dir) {
        fail("read folder", path);
        ::close(listing);
        return std::nullopt;
    }
    std::vector<QByteArray> names;
    errno = 0;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            names.push_back(name);
        errno = 0;
    }
    const int error = errno;
    ::closedir(dir);
    if (error != 0) {
        fail("read folder", path, error);
        return std::nullopt;
    }
    return names;
}

// Opens a real folder (never a link) inside an open folder, or the path itself
// when `parent` is AT_FDCWD.
int openFolderAt(int parent, const QByteArray& name) {
    return ::openat(parent, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

bool removeTreeAt(int parent, const QByteArray& name, const QString& path);

// Removes the entries of an open folder: every one that is not a real folder,
// and the real folders too when `subfolders` is set. Each entry is looked at
// without following it; a folder is opened with O_NOFOLLOW, so one swapped for
// a link in between is removed as a link.
bool removeEntriesAt(int folder, const QString& path, bool subfolders) {
    const std::optional<std::vector<QByteArray>> names = namesAt(folder, path);
    if (!names)
        return false;
    bool ok = true;
    for (const QByteArray& name : *names) {
        const QString entryPath = path + QLatin1Char('/') + shown(name);
        struct stat st;
        if (::fstatat(folder, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno != ENOENT)
                ok = fail("look at", entryPath);
            continue;
        }
        if (S_ISDIR(st.st_mode)) {
            if (subfolders)
                ok = removeTreeAt(folder, name, entryPath) && ok;
            continue;
        }
        if (::unlinkat(folder, name.constData(), 0) != 0 && errno != ENOENT)
            ok = fail("remove", entryPath);
    }
    return ok;
}

bool removeTreeAt(int parent, const QByteArray& name, const QString& path) {
    const int folder = openFolderAt(parent, name);
    if (folder < 0) {
        if (errno == ENOENT)
            return true;
        // Not a folder (any more): a link or a file goes as it is.
        if (errno == ELOOP || errno == ENOTDIR) {
            if (::unlinkat(parent, name.constData(), 0) == 0 || errno == ENOENT)
                return true;
            return fail("remove", path);
        }
        return fail("open folder", path);
    }
    bool ok = removeEntriesAt(folder, path, true);
    ::close(folder);
    if (::unlinkat(parent, name.constData(), AT_REMOVEDIR) != 0 && errno != ENOENT)
        ok = fail("remove folder", path);
    return ok;
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

bool SystemFileSystem::removeFolderTree(const QString& path) {
    // The folder is opened through its parent, and everything below it
    // relative to the open folders, so no link on the way is ever followed.
    const QByteArray parentPath = encoded(QFileInfo(path).absolutePath());
    const int parent = ::open(parentPath.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (parent < 0)
        return fail("open folder", QFileInfo(path).absolutePath());
    const bool ok = removeTreeAt(parent, encoded(QFileInfo(path).fileName()), path);
    ::close(parent);
    return ok;
}

bool SystemFileSystem::emptyFolder(const QString& path) {
    const int folder = openFolderAt(AT_FDCWD, encoded(path));
    if (folder < 0) {
        if (errno == ENOENT)
            return true;
        return fail("open folder", path);
    }
    const bool ok = removeEntriesAt(folder, path, false);
    ::close(folder);
    return ok;
}

// --- Reading -----------------------------------------------------------------

QList<FolderEntry> entriesOf(const QString& path) {
    QList<FolderEntry> entries;
    const int folder = openFolderAt(AT_FDCWD, encoded(path));
    if (folder < 0)
        return entries;
    const std::optional<std::vector<QByteArray>> names = namesAt(folder, path);
    for (const QByteArray& name : names.value_or(std::vector<QByteArray>())) {
        FolderEntry entry;
        entry.name = shown(name);
        entry.nameReadable = QFile::encodeName(entry.name) == name;
        struct stat st;
        if (::fstatat(folder, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        entry.kind = kindOf(st.st_mode);
        entries.append(entry);
    }
    ::close(folder);
    std::sort(entries.begin(), entries.end(),
              [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
    return entries;
}

EntryKind entryKind(const QString& path) {
    struct stat st;
    if (::lstat(encoded(path).constData(), &st) != 0)
        return EntryKind::Missing;
    return kindOf(st.st_mode);
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
