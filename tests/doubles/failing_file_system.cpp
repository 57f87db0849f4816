#include "doubles/failing_file_system.h"

namespace zorna::test {

FailingFileSystem::FailingFileSystem(int failAt, bool killed)
    : failAt_(failAt), killed_(killed), install_(*this) {}

FailingFileSystem::FailingFileSystem(const QRegularExpression& failing)
    : failAt_(kNever), killed_(false), failing_(failing), install_(*this) {}

bool FailingFileSystem::allow(const char* step, const QString& path) {
    const int index = int(steps_.size());
    steps_.append(QLatin1String(step) + QLatin1Char(' ') + path);
    if (failing_ && failAt_ < 0 && failing_->match(steps_.last()).hasMatch())
        failAt_ = index;
    if (failAt_ < 0)
        return true;
    return killed_ ? index < failAt_ : index != failAt_;
}

int FailingFileSystem::create(const QString& path) {
    return allow("create", path) ? real_.create(path) : -1;
}

bool FailingFileSystem::write(int handle, const QByteArray& bytes, const QString& path) {
    if (allow("write", path))
        return real_.write(handle, bytes, path);
    if (!killed_ || int(steps_.size()) - 1 == failAt_)
        real_.write(handle, bytes.left(bytes.size() / 2), path); // cut short half way
    return false;
}

bool FailingFileSystem::sync(int handle, const QString& path) {
    return allow("sync", path) && real_.sync(handle, path);
}

bool FailingFileSystem::close(int handle, const QString& path) {
    // The handle is released either way, as close(2) does.
    const bool allowed = allow("close", path);
    return real_.close(handle, path) && allowed;
}

bool FailingFileSystem::rename(const QString& from, const QString& to) {
    return allow("rename", from + QStringLiteral(" -> ") + to) && real_.rename(from, to);
}

bool FailingFileSystem::syncFolder(const QString& path) {
    return allow("sync folder", path) && real_.syncFolder(path);
}

bool FailingFileSystem::makeFolder(const QString& path) {
    return allow("make folder", path) && real_.makeFolder(path);
}

bool FailingFileSystem::remove(const QString& path) {
    return allow("remove", path) && real_.remove(path);
}

bool FailingFileSystem::removeFolder(const QString& path) {
    return allow("remove folder", path) && real_.removeFolder(path);
}

// A removal of a whole folder, or of the files in one, is one step: it
// happens or not.
bool FailingFileSystem::removeFolderTree(const QString& path) {
    return allow("remove tree", path) && real_.removeFolderTree(path);
}

bool FailingFileSystem::emptyFolder(const QString& path) {
    return allow("empty folder", path) && real_.emptyFolder(path);
}

} // namespace zorna::test
