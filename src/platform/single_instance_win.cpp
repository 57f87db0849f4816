#include "platform/single_instance.h"

#include "platform/file_system.h"

#include <QDir>
#include <QFileInfo>

#include <windows.h>

namespace zorna {

QString SingleInstance::lockPath(const QString& workingFolder) {
    return QFileInfo(workingFolder).absolutePath() + QStringLiteral("/zorna.lock");
}

SingleInstance::SingleInstance(const QString& workingFolder) : path_(lockPath(workingFolder)) {
    const std::wstring path = QDir::toNativeSeparators(path_).toStdWString();
    DWORD error = ERROR_SUCCESS;
    for (int attempt = 0; attempt < 3; ++attempt) {
        // Shared for reading, writing and deleting, so that only the lock
        // below, not the open, tells the copies apart.
        const HANDLE file =
            CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                        FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            error = GetLastError();
            break;
        }
        FILE_ATTRIBUTE_TAG_INFO info{};
        if (!GetFileInformationByHandleEx(file, FileAttributeTagInfo, &info, sizeof info) ||
            GetFileType(file) != FILE_TYPE_DISK) {
            // Not a file on a disk (a device or a pipe of that name).
            error = ERROR_INVALID_FUNCTION;
            CloseHandle(file);
            break;
        }
        if (info.FileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)) {
            // A link or junction in the lock file's place is removed (its target
            // stays) and the file made anew.
            CloseHandle(file);
            if (removeFile(path_))
                continue;
            error = ERROR_ACCESS_DENIED;
            break;
        }
        OVERLAPPED whole{};
        if (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &whole)) {
            error = GetLastError();
            CloseHandle(file);
            if (error == ERROR_LOCK_VIOLATION || error == ERROR_IO_PENDING) {
                state_ = State::HeldByAnother;
                return;
            }
            break;
        }
        handle_ = reinterpret_cast<qintptr>(file);
        state_ = State::Held;
        return;
    }
    qCWarning(lcFiles).noquote() << "lock not made:" << path_ << "-" << qt_error_string(int(error))
                                 << "- a second copy cannot be checked for";
}

SingleInstance::~SingleInstance() {
    // The file stays: Windows cannot remove a file another copy may be
    // opening, and an unlocked lock file blocks nothing.
    if (handle_ != -1)
        CloseHandle(reinterpret_cast<HANDLE>(handle_));
}

} // namespace zorna
