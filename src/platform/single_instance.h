#pragma once

#include <QString>

namespace zorna {

// Keeps one copy of the program per working folder: a lock file beside the
// working folder, locked while this object lives (flock on Linux, LockFileEx on
// Windows). The system releases the lock when the process ends in any way, so
// a copy that crashed leaves nothing that blocks the next one, and taking the
// lock writes nothing to the disk.
class SingleInstance {
public:
    explicit SingleInstance(const QString& workingFolder);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // False when another running copy holds the lock. When no lock can be made
    // at all (a read-only folder) the copy runs, as it cannot harm the files.
    bool isOnlyCopy() const { return onlyCopy_; }

    static QString lockPath(const QString& workingFolder);

private:
    QString path_;
    qintptr handle_ = -1; // a descriptor on Linux, a HANDLE on Windows
    bool onlyCopy_ = true;
};

} // namespace zorna
