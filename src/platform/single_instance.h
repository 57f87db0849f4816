#pragma once

#include <QLockFile>
#include <QString>

namespace zorna {

// Keeps one copy of the program per working folder: a lock file beside the
// working folder, held while this object lives. A lock left by a copy that
// crashed is taken over.
class SingleInstance {
public:
    explicit SingleInstance(const QString& workingFolder);

    // False when another running copy holds the lock. When no lock can be made
    // at all (a read-only folder) the copy runs, as it cannot harm the files.
    bool isOnlyCopy() const { return onlyCopy_; }

    static QString lockPath(const QString& workingFolder);

private:
    QLockFile lock_;
    bool onlyCopy_ = true;
};

} // namespace zorna
