#include "platform/file_system.h"
#include "platform/file_system_native.h"

#include <QDir>

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <string>

// The file layer on Windows: wide-character calls only, so that names in any
// letters work (a user profile named «Учень»). A handle of the layer is a C
// runtime descriptor wrapping the system's file handle.

namespace zorna {

namespace {

std::wstring wide(const QString& path) {
    return QDir::toNativeSeparators(path).toStdWString();
}

bool fail(const char* step, const QString& path, DWORD error = GetLastError()) {
    qCWarning(lcFiles).noquote() << step << "failed:" << path << "-" << qt_error_string(int(error));
    return false;
}

HANDLE systemHandle(int handle) {
    return reinterpret_cast<HANDLE>(_get_osfhandle(handle));
}

// A symbolic link or a junction: a reparse point that names another place.
// Other reparse points (files kept by a cloud service, deduplicated files) are
// the files themselves. A reparse point without a tag (Wine shows a Unix link
// to a folder so) counts as a link too.
bool isNameSurrogate(DWORD attributes, DWORD tag) {
    return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 && (tag == 0 || IsReparseTagNameSurrogate(tag));
}

struct EntryInfo {
    DWORD attributes = INVALID_FILE_ATTRIBUTES;
    DWORD tag = 0;
    qint64 size = 0;
};

// What the name itself is, never what a link leads to.
std::optional<EntryInfo> entryInfo(const QString& path) {
    WIN32_FIND_DATAW found;
    const HANDLE search =
        FindFirstFileExW(wide(path).c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) {
        // A drive's root ("C:\") has no entry of its own to find.
        const DWORD attributes = GetFileAttributesW(wide(path).c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES)
            return std::nullopt;
        return EntryInfo{attributes, 0, 0};
    }
    FindClose(search);
    return EntryInfo{found.dwFileAttributes, found.dwReserved0,
                     (qint64(found.nFileSizeHigh) << 32) | qint64(found.nFileSizeLow)};
}

// Whether the open handle is a plain file on a disk (not a folder, a device or
// a pipe), and, when links are refused, not a link.
bool isPlainFile(HANDLE file, native::Links links) {
    if (GetFileType(file) != FILE_TYPE_DISK)
        return false;
    FILE_ATTRIBUTE_TAG_INFO info{};
    if (!GetFileInformationByHandleEx(file, FileAttributeTagInfo, &info, sizeof info))
        return false;
    if (info.FileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return false;
    return links == native::Links::Follow || !isNameSurrogate(info.FileAttributes, info.ReparseTag);
}

// Removes a link of either kind (a junction or a link to a folder is removed
// as a folder), never what it leads to; a read-only file loses that attribute
// first, as a POSIX folder lets its owner remove any file.
bool removeEntry(const QString& path, const char* step) {
    const std::wstring name = wide(path);
    const DWORD attributes = GetFileAttributesW(name.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT))
            return fail(step, path, ERROR_DIRECTORY);
        return RemoveDirectoryW(name.c_str()) || fail(step, path);
    }
    if (DeleteFileW(name.c_str()))
        return true;
    const DWORD error = GetLastError();
    if (error == ERROR_ACCESS_DENIED && attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & FILE_ATTRIBUTE_READONLY) &&
        SetFileAttributesW(name.c_str(), attributes & ~DWORD(FILE_ATTRIBUTE_READONLY)) &&
        DeleteFileW(name.c_str()))
        return true;
    return fail(step, path, error);
}

// The names in a folder, as they are; nothing when it cannot be read. The
// folder is opened for listing shared for deleting too, so that it can be
// listed while this program holds it open to delete it (Wine's
// FindFirstFileExW does not share for deleting and so fails there).
std::optional<QList<WIN32_FIND_DATAW>> listFolder(const QString& path) {
    const HANDLE folder =
        CreateFileW(wide(path).c_str(), FILE_LIST_DIRECTORY | SYNCHRONIZE,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                    FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (folder == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND)
            return QList<WIN32_FIND_DATAW>();
        fail("read folder", path, error);
        return std::nullopt;
    }
    QList<WIN32_FIND_DATAW> entries;
    alignas(8) char buffer[64 * 1024];
    FILE_INFO_BY_HANDLE_CLASS request = FileIdBothDirectoryRestartInfo;
    while (GetFileInformationByHandleEx(folder, request, buffer, sizeof buffer)) {
        request = FileIdBothDirectoryInfo;
        for (const char* at = buffer;;) {
            const auto* info = reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(at);
            const QString name =
                QString::fromWCharArray(info->FileName, int(info->FileNameLength / sizeof(wchar_t)));
            if (name != QLatin1String(".") && name != QLatin1String("..") && name.size() < MAX_PATH) {
                WIN32_FIND_DATAW found{};
                found.dwFileAttributes = info->FileAttributes;
                // For a reparse point the EA size field holds its tag.
                found.dwReserved0 = (info->FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) ? info->EaSize : 0;
                name.toWCharArray(found.cFileName);
                entries.append(found);
            }
            if (info->NextEntryOffset == 0)
                break;
            at += info->NextEntryOffset;
        }
    }
    const DWORD error = GetLastError();
    CloseHandle(folder);
    if (error != ERROR_NO_MORE_FILES && error != ERROR_FILE_NOT_FOUND) {
        fail("read folder", path, error);
        return std::nullopt;
    }
    return entries;
}

EntryKind kindOf(DWORD attributes, DWORD tag) {
    if (isNameSurrogate(attributes, tag))
        return EntryKind::Link;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return EntryKind::Folder;
    if (attributes & FILE_ATTRIBUTE_DEVICE)
        return EntryKind::Other;
    return EntryKind::File;
}

// An entry opened as itself (a link or a junction is never resolved) with the
// right to delete it. A folder is shared for reading and writing but not for
// deleting, so while it is open nobody can rename it or put a junction in its
// place.
struct OpenEntry {
    HANDLE handle = INVALID_HANDLE_VALUE;
    bool realFolder = false;
};

OpenEntry openEntry(const QString& path,
                    DWORD access = DELETE | FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES) {
    OpenEntry entry;
    entry.handle =
        CreateFileW(wide(path).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                    FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (entry.handle == INVALID_HANDLE_VALUE)
        return entry;
    FILE_ATTRIBUTE_TAG_INFO info{};
    if (GetFileInformationByHandleEx(entry.handle, FileAttributeTagInfo, &info, sizeof info))
        entry.realFolder = kindOf(info.FileAttributes, info.ReparseTag) == EntryKind::Folder;
    return entry;
}

// Deletes the opened entry itself (a link as a link) when its handle closes;
// a read-only file loses that attribute first.
bool deleteOpened(HANDLE handle, const QString& path) {
    FILE_DISPOSITION_INFO dispose{TRUE};
    if (SetFileInformationByHandle(handle, FileDispositionInfo, &dispose, sizeof dispose))
        return true;
    const DWORD error = GetLastError();
    FILE_BASIC_INFO basic{};
    if (error == ERROR_ACCESS_DENIED &&
        GetFileInformationByHandleEx(handle, FileBasicInfo, &basic, sizeof basic) &&
        (basic.FileAttributes & FILE_ATTRIBUTE_READONLY)) {
        basic.FileAttributes &= ~DWORD(FILE_ATTRIBUTE_READONLY);
        if (SetFileInformationByHandle(handle, FileBasicInfo, &basic, sizeof basic) &&
            SetFileInformationByHandle(handle, FileDispositionInfo, &dispose, sizeof dispose))
            return true;
    }
    return fail("remove", path, error);
}

// Removes the entries of a folder that is held open: every one that is not a
// real folder, and the real folders too when `subfolders` is set. Each entry
// is opened as itself, so a junction or a link is removed, never entered.
bool removeEntriesIn(const QString& path, bool subfolders) {
    const std::optional<QList<WIN32_FIND_DATAW>> entries = listFolder(path);
    if (!entries)
        return false;
    bool ok = true;
    for (const WIN32_FIND_DATAW& found : *entries) {
        const QString entryPath = path + QLatin1Char('/') + QString::fromWCharArray(found.cFileName);
        OpenEntry entry = openEntry(entryPath);
        if (entry.handle == INVALID_HANDLE_VALUE) {
            const DWORD error = GetLastError();
            if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND)
                ok = fail("open", entryPath, error);
            continue;
        }
        if (entry.realFolder) {
            if (subfolders)
                ok = removeEntriesIn(entryPath, true) && deleteOpened(entry.handle, entryPath) && ok;
        } else {
            ok = deleteOpened(entry.handle, entryPath) && ok;
        }
        CloseHandle(entry.handle);
    }
    return ok;
}

} // namespace

// --- SystemFileSystem: Windows calls -------------------------------------------

int SystemFileSystem::create(const QString& path) {
    // CREATE_NEW fails on any existing name, a link or a junction included;
    // FILE_FLAG_OPEN_REPARSE_POINT keeps the call from ever resolving one.
    const HANDLE file = CreateFileW(wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        fail("create", path);
        return -1;
    }
    const int handle = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_WRONLY | _O_BINARY);
    if (handle < 0) {
        fail("create", path, ERROR_TOO_MANY_OPEN_FILES);
        CloseHandle(file);
        DeleteFileW(wide(path).c_str());
    }
    return handle;
}

bool SystemFileSystem::write(int handle, const QByteArray& bytes, const QString& path) {
    const HANDLE file = systemHandle(handle);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = DWORD(std::min<qsizetype>(bytes.size() - done, 1 << 24));
        DWORD written = 0;
        if (!WriteFile(file, bytes.constData() + done, chunk, &written, nullptr))
            return fail("write", path);
        if (written == 0)
            return fail("write", path, ERROR_DISK_FULL);
        done += written;
    }
    return true;
}

bool SystemFileSystem::sync(int handle, const QString& path) {
    if (!FlushFileBuffers(systemHandle(handle)))
        return fail("sync", path);
    return true;
}

bool SystemFileSystem::close(int handle, const QString& path) {
    // Closes the system's handle too; it is released even when this fails.
    if (_close(handle) != 0)
        return fail("close", path, ERROR_INVALID_HANDLE);
    return true;
}

bool SystemFileSystem::rename(const QString& from, const QString& to) {
    // A link or junction of the target name is removed as a link, so the new
    // entry takes its name and its target is left alone.
    if (const std::optional<EntryInfo> target = entryInfo(to);
        target && isNameSurrogate(target->attributes, target->tag) && !removeEntry(to, "rename"))
        return false;
    // Written through: the rename is on the disk when the call returns.
    if (!MoveFileExW(wide(from).c_str(), wide(to).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return fail("rename", from + QStringLiteral(" -> ") + to);
    return true;
}

bool SystemFileSystem::syncFolder(const QString& path) {
    // Windows writes a folder's entries through with each MOVEFILE_WRITE_THROUGH
    // rename and cannot flush a folder handle; what is checked here is that the
    // folder is still a real folder, not a link put in its place.
    const HANDLE folder = CreateFileW(
        wide(path).c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (folder == INVALID_HANDLE_VALUE)
        return fail("open folder", path);
    FILE_ATTRIBUTE_TAG_INFO info{};
    const bool read = GetFileInformationByHandleEx(folder, FileAttributeTagInfo, &info, sizeof info);
    CloseHandle(folder);
    if (!read)
        return fail("open folder", path);
    if (!(info.FileAttributes & FILE_ATTRIBUTE_DIRECTORY) ||
        isNameSurrogate(info.FileAttributes, info.ReparseTag))
        return fail("sync folder", path, ERROR_DIRECTORY);
    return true;
}

bool SystemFileSystem::makeFolder(const QString& path) {
    if (!CreateDirectoryW(wide(path).c_str(), nullptr))
        return fail("make folder", path);
    return true;
}

bool SystemFileSystem::remove(const QString& path) {
    return removeEntry(path, "remove");
}

bool SystemFileSystem::removeFolder(const QString& path) {
    if (!RemoveDirectoryW(wide(path).c_str()))
        return fail("remove folder", path);
    return true;
}

bool SystemFileSystem::removeFolderTree(const QString& path) {
    // The folder stays open (and so in its place) while its entries go; then
    // the open folder itself is deleted. A link or a junction goes as itself.
    OpenEntry folder = openEntry(path);
    if (folder.handle == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || fail("open", path, error);
    }
    const bool ok = (!folder.realFolder || removeEntriesIn(path, true)) && deleteOpened(folder.handle, path);
    CloseHandle(folder.handle);
    return ok;
}

bool SystemFileSystem::emptyFolder(const QString& path) {
    // Held open (not deleted) while its files go, so it stays in its place.
    OpenEntry folder = openEntry(path, FILE_READ_ATTRIBUTES | FILE_LIST_DIRECTORY);
    if (folder.handle == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
               fail("open folder", path, error);
    }
    const bool ok =
        folder.realFolder ? removeEntriesIn(path, false) : fail("open folder", path, ERROR_DIRECTORY);
    CloseHandle(folder.handle);
    return ok;
}

// --- Reading -----------------------------------------------------------------

EntryKind entryKind(const QString& path) {
    const std::optional<EntryInfo> info = entryInfo(path);
    if (!info)
        return EntryKind::Missing;
    return kindOf(info->attributes, info->tag);
}

QList<FolderEntry> entriesOf(const QString& path) {
    QList<FolderEntry> entries;
    if (entryKind(path) != EntryKind::Folder)
        return entries;
    for (const WIN32_FIND_DATAW& found : listFolder(path).value_or(QList<WIN32_FIND_DATAW>()))
        entries.append(FolderEntry{QString::fromWCharArray(found.cFileName),
                                   kindOf(found.dwFileAttributes, found.dwReserved0), true});
    std::sort(entries.begin(), entries.end(),
              [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
    return entries;
}

qint64 fileSize(const QString& path) {
    const std::optional<EntryInfo> info = entryInfo(path);
    if (!info || isNameSurrogate(info->attributes, info->tag) ||
        (info->attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)))
        return -1;
    return info->size;
}

bool folderWritable(const QString& path) {
    // A probe file, deleted by the system when its handle closes.
    const QString probe = QDir(path).filePath(
        QStringLiteral("zorna-write-probe-%1.tmp").arg(qulonglong(GetCurrentProcessId())));
    const HANDLE file = CreateFileW(wide(probe).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_FILE_EXISTS; // a probe of this process, made a moment ago
    CloseHandle(file);
    return true;
}

namespace native {

std::optional<QByteArray> readPlainFile(const QString& path, qint64 maxBytes, Links links) {
    // Opened without resolving a link when links are refused, and checked on
    // the open handle, so a name swapped in between is refused too.
    const DWORD flags = links == Links::Follow ? 0 : FILE_FLAG_OPEN_REPARSE_POINT;
    const HANDLE file =
        CreateFileW(wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | flags, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND)
            fail("open", path, error);
        return std::nullopt;
    }
    const auto refuse = [&](const char* why) -> std::optional<QByteArray> {
        CloseHandle(file);
        qCWarning(lcFiles).noquote() << "not read:" << path << "-" << why;
        return std::nullopt;
    };
    if (!isPlainFile(file, links))
        return refuse("not a plain file");
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size) || size.QuadPart > maxBytes)
        return refuse("larger than the allowed size");
    const auto data = readAtMost(path, maxBytes, [&](char* into, qint64 count) -> qint64 {
        DWORD n = 0;
        if (!ReadFile(file, into, DWORD(std::min<qint64>(count, 1 << 24)), &n, nullptr)) {
            fail("read", path);
            return -1;
        }
        return n;
    });
    CloseHandle(file);
    return data;
}

} // namespace native

} // namespace zorna
