#include "support/test_context.h"

#include "support/links.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace zorna::test {

namespace {

// The program folder's entries that a test folder shares: all but Temp, Save
// and the executable.
QStringList sharedEntries() {
    const QDir app(QStringLiteral(ZORNA_APP_DIR));
    QStringList shared;
    for (const QString& entry : app.entryList(QDir::AllEntries | QDir::NoDotAndDotDot))
        if (entry.compare(QLatin1String("Temp"), Qt::CaseInsensitive) != 0 &&
            entry.compare(QLatin1String("Save"), Qt::CaseInsensitive) != 0 && entry != QLatin1String("zorna"))
            shared.append(entry);
    return shared;
}

#ifdef Q_OS_WIN
// On Windows every file is hard-linked, which takes seconds for the program
// folder's 1300 files under Wine, and most test windows get a folder of their
// own. So the linked entries are kept in one spare folder per test process and
// renamed into each test folder and back out of it; an entry that a test
// replaced or changed (another creation or modification time) is not taken
// back, and the next folder links that one afresh.
class SpareEntries {
public:
    bool takeInto(const QString& entry, const QString& to) {
        const auto kept = stamps_.find(entry);
        if (kept == stamps_.end() || !QDir().rename(spare_.filePath(entry), to))
            return false;
        handedOut_.insert(entry, kept.value());
        stamps_.erase(kept);
        return true;
    }
    void giveBack(const QString& entry, const QString& from) {
        const auto out = handedOut_.find(entry);
        if (out == handedOut_.end())
            return;
        const Stamp stamp = out.value();
        handedOut_.erase(out);
        if (stampOf(from) == stamp && QDir().rename(from, spare_.filePath(entry)))
            stamps_.insert(entry, stamp);
    }
    // A newly linked entry, kept when its test folder is done.
    void adopt(const QString& entry, const QString& at) { handedOut_.insert(entry, stampOf(at)); }

private:
    using Stamp = std::pair<QDateTime, QDateTime>;
    static Stamp stampOf(const QString& path) {
        const QFileInfo info(path);
        return {info.birthTime(), info.lastModified()};
    }
    QTemporaryDir spare_;
    QHash<QString, Stamp> stamps_;    // in the spare folder
    QHash<QString, Stamp> handedOut_; // in a test folder, to be taken back
};

SpareEntries& spareEntries() {
    static SpareEntries spare;
    return spare;
}
#endif

} // namespace

TestProgramFolder::TestProgramFolder() {
    const QDir app(QStringLiteral(ZORNA_APP_DIR));
    for (const QString& entry : sharedEntries()) {
#ifdef Q_OS_WIN
        if (spareEntries().takeInto(entry, dir_.filePath(entry)))
            continue;
        if (shareForReading(app.filePath(entry), dir_.filePath(entry)))
            spareEntries().adopt(entry, dir_.filePath(entry));
#else
        shareForReading(app.filePath(entry), dir_.filePath(entry));
#endif
    }
}

TestProgramFolder::~TestProgramFolder() {
#ifdef Q_OS_WIN
    for (const QString& entry : sharedEntries())
        spareEntries().giveBack(entry, dir_.filePath(entry));
#endif
}

void TestProgramFolder::write(const QString& relative, const QByteArray& bytes) const {
    const QString full = dir_.filePath(relative);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile f(full);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

QByteArray TestProgramFolder::read(const QString& relative) const {
    QFile f(dir_.filePath(relative));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool TestProgramFolder::exists(const QString& relative) const {
    return QFileInfo::exists(dir_.filePath(relative));
}

TestContext::TestContext(TaskCatalog tasks)
    : catalog(std::move(tasks)), ctx{clock, rnd, dialogs, help, ProgramFolder(programFolder.root())} {}

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace zorna::test
