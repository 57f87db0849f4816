#pragma once

#include <QString>

namespace zorna {

// Keeps one copy of the program per working folder: a lock file beside the
// working folder (a plain file, never a link), locked while this object lives (flock on Linux, LockFileEx on
// Windows). The system releases the lock when the process ends in any way, so
// a copy that crashed leaves nothing that blocks the next one, and taking the
// lock writes nothing to the disk.
class SingleInstance {
public:
    explicit SingleInstance(const QString& workingFolder);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    enum class State {
        Held,          // this copy is the only one
        HeldByAnother, // another running copy holds the lock
        Unavailable,   // no lock could be made (a folder in its place, a file
                       // that cannot be opened for writing, a failing disk)
    };
    State state() const { return state_; }
    // True when this copy holds the lock.
    bool isOnlyCopy() const { return state_ == State::Held; }
    const QString& path() const { return path_; }

    static QString lockPath(const QString& workingFolder);

private:
    QString path_;
    qintptr handle_ = -1; // a descriptor on Linux, a HANDLE on Windows
    State state_ = State::Unavailable;
};

} // namespace zorna
