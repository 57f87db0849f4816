#include "support/links.h"

#include "platform/file_system.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <windows.h>

namespace zorna::test {

namespace {

std::wstring wide(const QString& path) {
    return QDir::toNativeSeparators(path).toStdWString();
}

} // namespace

LinkResult makeLink(const QString& target, const QString& name) {
    DWORD flags = SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE;
    if (QFileInfo(target).isDir())
        flags |= SYMBOLIC_LINK_FLAG_DIRECTORY;
    if (!CreateSymbolicLinkW(wide(name).c_str(), wide(target).c_str(), flags))
        return GetLastError() == ERROR_PRIVILEGE_NOT_HELD ? LinkResult::Unsupported : LinkResult::Failed;
    // Wine reports success and makes no entry at all.
    if (entryKind(name) == EntryKind::Missing)
        return LinkResult::Unsupported;
    return entryKind(name) == EntryKind::Link ? LinkResult::Made : LinkResult::Failed;
}

bool makeFifo(const QString&) {
    return false;
}

bool shareForReading(const QString& from, const QString& to) {
    const auto shareFile = [](const QString& source, const QString& copy) {
        return CreateHardLinkW(wide(copy).c_str(), wide(source).c_str(), nullptr) ||
               QFile::copy(source, copy);
    };
    if (!QFileInfo(from).isDir())
        return shareFile(from, to);
    if (!QDir().mkpath(to))
        return false;
    bool ok = true;
    const QDir source(from);
    QDirIterator entries(from, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QFileInfo entry = entries.nextFileInfo();
        const QString copy = QDir(to).filePath(source.relativeFilePath(entry.filePath()));
        ok = (entry.isDir() ? QDir().mkpath(copy) : shareFile(entry.filePath(), copy)) && ok;
    }
    return ok;
}

bool unshare(const QString& path) {
    // Deleting a hard link leaves the file it shares.
    return QFileInfo(path).isDir() ? QDir(path).removeRecursively() : QFile::remove(path);
}

} // namespace zorna::test
