#include "platform/file_system.h"

#include "platform/file_system_native.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>

namespace zorna {

Q_LOGGING_CATEGORY(lcFiles, "zorna.files")

namespace {

QString parentOf(const QString& path) {
    return QFileInfo(path).absolutePath();
}

FileSystem* g_override = nullptr;

} // namespace

FileSystem& fileSystem() {
    static SystemFileSystem system;
    return g_override ? *g_override : system;
}

FileSystemOverride::FileSystemOverride(FileSystem& replacement) : previous_(g_override) {
    g_override = &replacement;
}

FileSystemOverride::~FileSystemOverride() {
    g_override = previous_;
}

// --- Reading -----------------------------------------------------------------

bool entryExists(const QString& path) {
    return entryKind(path) != EntryKind::Missing;
}

std::optional<QByteArray> readFile(const QString& path, qint64 maxBytes) {
    return native::readPlainFile(path, maxBytes, native::Links::Refuse);
}

std::optional<QByteArray> readProgramFile(const QString& path, qint64 maxBytes) {
    return native::readPlainFile(path, maxBytes, native::Links::Follow);
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
    for (const FolderEntry& entry : entriesOf(folder))
        if (entry.kind != EntryKind::Folder && entry.nameReadable)
            names.append(entry.name);
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
    // The missing folders from the deepest existing one down; the walk up stops
    // at the root, whatever its form ("/", "C:/", "//server/share/").
    QStringList missing;
    QString current = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    switch (entryKind(current)) {
    case EntryKind::Folder:
        return true;
    case EntryKind::Missing:
        break;
    default:
        qCWarning(lcFiles).noquote() << "make folder failed:" << current << "- something else has this name";
        return false;
    }
    while (!QFileInfo(current).isDir()) { // a link to a folder above it is a folder
        if (entryExists(current)) {
            qCWarning(lcFiles).noquote()
                << "make folder failed:" << current << "- something else has this name";
            return false;
        }
        missing.prepend(current);
        const QString parent = QFileInfo(current).absolutePath();
        if (parent == current)
            return false;
        current = parent;
    }
    for (const QString& folder : missing)
        if (!fileSystem().makeFolder(folder) && !QFileInfo(folder).isDir())
            return false;
    return entryKind(QDir::cleanPath(QFileInfo(path).absoluteFilePath())) == EntryKind::Folder;
}

QString moveAside(const QString& path, const QString& stem) {
    const QString base = QStringLiteral("%1-%2").arg(stem, QDate::currentDate().toString(Qt::ISODate));
    QString aside = base;
    for (int n = 2; entryExists(aside); ++n)
        aside = QStringLiteral("%1-%2").arg(base).arg(n);
    if (!fileSystem().rename(path, aside)) {
        qCWarning(lcFiles).noquote() << "not moved aside:" << path;
        return QString();
    }
    qCWarning(lcFiles).noquote() << "moved aside:" << path << "->" << aside;
    return aside;
}

bool removeFile(const QString& path) {
    if (!entryExists(path))
        return true;
    return fileSystem().remove(path);
}

bool removeFilesIn(const QString& folder) {
    return fileSystem().emptyFolder(folder);
}

bool removeTree(const QString& folder) {
    if (!entryExists(folder))
        return true;
    return fileSystem().removeFolderTree(folder);
}

bool syncFolder(const QString& path) {
    return fileSystem().syncFolder(path);
}

bool renameEntry(const QString& from, const QString& to) {
    return fileSystem().rename(from, to);
}

std::optional<QByteArray> native::readAtMost(const QString& path, qint64 maxBytes,
                                             const std::function<qint64(char*, qint64)>& readChunk) {
    QByteArray data(maxBytes + 1, Qt::Uninitialized);
    qint64 got = 0;
    while (got < data.size()) {
        const qint64 n = readChunk(data.data() + got, data.size() - got);
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        got += n;
    }
    if (got > maxBytes) {
        qCWarning(lcFiles).noquote() << "not read:" << path << "- larger than" << maxBytes << "bytes";
        return std::nullopt;
    }
    data.truncate(got);
    return data;
}

} // namespace zorna
