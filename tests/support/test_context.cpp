#include "support/test_context.h"

#include "support/links.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace zorna::test {

TestProgramFolder::TestProgramFolder() {
    const QDir app(QStringLiteral(ZORNA_APP_DIR));
    const QStringList entries = app.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (entry.compare(QLatin1String("Temp"), Qt::CaseInsensitive) == 0 ||
            entry.compare(QLatin1String("Save"), Qt::CaseInsensitive) == 0 || entry == QLatin1String("zorna"))
            continue;
        shareForReading(app.filePath(entry), dir_.filePath(entry));
    }
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
