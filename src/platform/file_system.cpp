#include "platform/file_system.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zorna {

Q_LOGGING_CATEGORY(lcFiles, "zorna.files")

namespace {

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

QString reason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

bool fail(const char* step, const QString& path, int error = errno) {
    qCWarning(lcFiles).noquote() << step << "failed:" << path << "-" << reason(error);
    return false;
}

QString parentOf(const QString& path) {
    return QFileInfo(path).absolutePath();
}

FileSystem* g_override = nullptr;

} // namespace

// --- PosixFileSystem ---------------------------------------------------------

int PosixFileSystem::create(const QString& path) {
    const int fd =
        ::open(native(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0)
        fail("create", path);
    return fd;
}

bool PosixFileSystem::write(int handle, const QByteArray& bytes, const QString& path) {
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

bool PosixFileSystem::sync(int handle, const QString& path) {
    if (::fsync(handle) != 0)
        return fail("sync", path);
    return true;
}

bool PosixFileSystem::close(int handle, const QString& path) {
    // On Linux the handle is released even when close reports an error.
    if (::close(handle) != 0 && errno != EINTR)
        return fail("close", path);
    return true;
}

bool PosixFileSystem::rename(const QString& from, const QString& to) {
    if (::rename(native(from).constData(), native(to).constData()) != 0)
        return fail("rename", from + QStringLiteral(" -> ") + to);
    return true;
}

bool PosixFileSystem::syncFolder(const QString& path) {
    const int fd = ::open(native(path).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return fail("open folder", path);
    bool ok = true;
    // A file system that cannot sync folders (EINVAL) keeps what it can.
    if (::fsync(fd) != 0 && errno != EINVAL)
        ok = fail("sync folder", path);
    ::close(fd);
    return ok;
}

bool PosixFileSystem::makeFolder(const QString& path) {
    if (::mkdir(native(path).constData(), 0777) != 0)
        return fail("make folder", path);
    return true;
}

bool PosixFileSystem::remove(const QString& path) {
    if (::unlink(native(path).constData()) != 0)
        return fail("remove", path);
    return true;
}

bool PosixFileSystem::removeFolder(const QString& path) {
    if (::rmdir(native(path).constData()) != 0)
        return fail("remove folder", path);
    return true;
}

FileSystem& fileSystem() {
    static PosixFileSystem posix;
    return g_override ? *g_override : posix;
}

FileSystemOverride::FileSystemOverride(FileSystem& replacement) : previous_(g_override) {
    g_override = &replacement;
}

FileSystemOverride::~FileSystemOverride() {
    g_override = previous_;
}

// --- Reading -----------------------------------------------------------------

EntryKind entryKind(const QString& path) {
    struct stat st;
    if (::lstat(native(path).constData(), &st) != 0)
        return EntryKind::Missing;
    if (S_ISREG(st.st_mode))
        return EntryKind::File;
    if (S_ISDIR(st.st_mode))
        return EntryKind::Folder;
    if (S_ISLNK(st.st_mode))
        return EntryKind::Link;
    return EntryKind::Other;
}

bool entryExists(const QString& path) {
    return entryKind(path) != EntryKind::Missing;
}

qint64 fileSize(const QString& path) {
    struct stat st;
    if (::lstat(native(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return -1;
    return qint64(st.st_size);
}

namespace {

enum class Links { Refuse, Follow };

std::optional<QByteArray> readPlainFile(const QString& path, qint64 maxBytes, Links links) {
    // Checked before opening, so that a FIFO or a device is never opened, and
    // again on the open file, in case the name changed in between.
    struct stat st;
    const int found = links == Links::Follow ? ::stat(native(path).constData(), &st)
                                             : ::lstat(native(path).constData(), &st);
    if (found != 0)
        return std::nullopt;
    if (!S_ISREG(st.st_mode)) {
        qCWarning(lcFiles).noquote() << "not read:" << path << "- not a plain file";
        return std::nullopt;
    }
    const int noFollow = links == Links::Follow ? 0 : O_NOFOLLOW;
    const int fd = ::open(native(path).constData(), O_RDONLY | noFollow | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
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
    // One byte more than allowed is asked for, so that a file that grew is refused too.
    QByteArray data(maxBytes + 1, Qt::Uninitialized);
    qint64 got = 0;
    while (got < data.size()) {
        const ssize_t n = ::read(fd, data.data() + got, size_t(data.size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            fail("read", path);
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0)
            break;
        got += n;
    }
    ::close(fd);
    if (got > maxBytes) {
        qCWarning(lcFiles).noquote() << "not read:" << path << "- larger than" << maxBytes << "bytes";
        return std::nullopt;
    }
    data.truncate(got);
    return data;
}

} // namespace

std::optional<QByteArray> readFile(const QString& path, qint64 maxBytes) {
    return readPlainFile(path, maxBytes, Links::Refuse);
}

std::optional<QByteArray> readProgramFile(const QString& path, qint64 maxBytes) {
    return readPlainFile(path, maxBytes, Links::Follow);
}

QString findEntry(const QString& folder, const QString& name) {
    const QString exact = QDir(folder).filePath(name);
    if (entryExists(exact))
        return exact;
    const QStringList entries =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return QDir(folder).filePath(entry);
    return exact;
}

QStringList filesIn(const QString& folder) {
    QStringList names;
    const QDir dir(folder);
    const QStringList entries =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& entry : entries)
        if (entryKind(dir.filePath(entry)) != EntryKind::Folder)
            names.append(entry);
    return names;
}

// --- Writing -----------------------------------------------------------------

bool writeNewFile(const QString& path, const QByteArray& bytes, Durability durability) {
    FileSystem& fs = fileSystem();
    const int fd = fs.create(path);
    if (fd < 0)
        return false;
    bool ok = fs.write(fd, bytes, path) && (durability == Durability::Scratch || fs.sync(fd, path));
    ok = fs.close(fd, path) && ok;
    if (!ok)
        fs.remove(path);
    return ok;
}

bool writeWhole(const QString& path, const QByteArray& bytes, Durability durability) {
    FileSystem& fs = fileSystem();
    const QString part = path + QStringLiteral("~part");
    if (entryExists(part) && !fs.remove(part))
        return false;
    if (!writeNewFile(part, bytes, durability))
        return false;
    if (!fs.rename(part, path)) {
        fs.remove(part);
        return false;
    }
    return durability == Durability::Scratch || fs.syncFolder(parentOf(path));
}

bool writeAtStart(const QString& path, const QByteArray& bytes, Durability durability) {
    QByteArray content = bytes;
    if (entryKind(path) == EntryKind::File) {
        if (const std::optional<QByteArray> old = readFile(path); old && old->size() > bytes.size())
            content += old->mid(bytes.size());
    }
    return writeWhole(path, content, durability);
}

bool makeFolders(const QString& path) {
    const QString clean = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    const QStringList parts = clean.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString current;
    for (const QString& part : parts) {
        current += QLatin1Char('/') + part;
        if (QFileInfo(current).isDir()) // a link to a folder on the way is a folder
            continue;
        if (entryExists(current)) {
            qCWarning(lcFiles).noquote()
                << "make folder failed:" << current << "- something else has this name";
            return false;
        }
        if (!fileSystem().makeFolder(current) && !QFileInfo(current).isDir())
            return false;
    }
    return true;
}

bool removeFile(const QString& path) {
    if (!entryExists(path))
        return true;
    return fileSystem().remove(path);
}

bool removeFilesIn(const QString& folder) {
    bool ok = true;
    const QDir dir(folder);
    for (const QString& name : filesIn(folder))
        ok = removeFile(dir.filePath(name)) && ok;
    return ok;
}

bool removeTree(const QString& folder) {
    switch (entryKind(folder)) {
    case EntryKind::Missing:
        return true;
    case EntryKind::Folder:
        break;
    default:
        return fileSystem().remove(folder); // a link goes, its target stays
    }
    const QDir dir(folder);
    const QStringList entries =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::NoSort);
    bool ok = true;
    for (const QString& entry : entries)
        ok = removeTree(dir.filePath(entry)) && ok;
    return fileSystem().removeFolder(folder) && ok;
}

bool syncFolder(const QString& path) {
    return fileSystem().syncFolder(path);
}

bool renameEntry(const QString& from, const QString& to) {
    return fileSystem().rename(from, to);
}

} // namespace zorna
