#pragma once

#include "platform/file_system.h"

#include <QRegularExpression>
#include <QStringList>

#include <optional>

namespace zorna::test {

// A file layer that counts every change made through it (from 0) and fails the
// chosen one: a write then stops half way, as on a full disk. With `killed`
// set, that step and every later one fail without touching the disk, as when
// the program is killed at that moment. Installs itself for its lifetime.
class FailingFileSystem : public FileSystem {
public:
    static constexpr int kNever = -1;
    explicit FailingFileSystem(int failAt = kNever, bool killed = false);
    // Fails the first step whose description ("write <path>") matches.
    explicit FailingFileSystem(const QRegularExpression& failing);

    int create(const QString& path) override;
    bool write(int handle, const QByteArray& bytes, const QString& path) override;
    bool sync(int handle, const QString& path) override;
    bool close(int handle, const QString& path) override;
    bool rename(const QString& from, const QString& to) override;
    bool syncFolder(const QString& path) override;
    bool makeFolder(const QString& path) override;
    bool remove(const QString& path) override;
    bool removeFolder(const QString& path) override;
    bool removeFolderTree(const QString& path) override;
    bool emptyFolder(const QString& path) override;

    // Every step seen, as "write <path>", in order.
    const QStringList& steps() const { return steps_; }
    // The step that failed first, or an empty string.
    QString failedStep() const {
        return failAt_ >= 0 && failAt_ < steps_.size() ? steps_.at(failAt_) : QString();
    }

private:
    // Records the step; false when it is to fail.
    bool allow(const char* step, const QString& path);

    SystemFileSystem real_;
    int failAt_;
    bool killed_;
    std::optional<QRegularExpression> failing_;
    QStringList steps_;
    FileSystemOverride install_;
};

} // namespace zorna::test
