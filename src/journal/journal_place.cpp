#include "journal/journal_place.h"

#include "journal/reading_connection.h"
#include "platform/file_system.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlQuery>

namespace zorna::journal {

namespace {

bool plainOrMissing(EntryKind kind) {
    return kind == EntryKind::File || kind == EntryKind::Missing;
}

} // namespace

bool JournalPlace::isPlain() const {
    if (!plainOrMissing(entryKind(path_)))
        return false;
    for (const char* side : kSideFiles)
        if (!plainOrMissing(entryKind(path_ + QLatin1String(side))))
            return false;
    return true;
}

bool JournalPlace::clear() const {
    bool usable = true;
    const auto clearOne = [&usable](const QString& name) {
        switch (entryKind(name)) {
        case EntryKind::File:
        case EntryKind::Missing:
            return;
        case EntryKind::Link:
            if (removeFile(name)) {
                qCWarning(lcFiles).noquote() << "results journal: a link in its place removed (what it "
                                                "leads to is left alone):"
                                             << name;
                return;
            }
            qCWarning(lcFiles).noquote() << "results journal: a link in its place cannot be removed:" << name;
            break;
        case EntryKind::Folder:
        case EntryKind::Other:
            qCWarning(lcFiles).noquote() << "results journal: not a plain file in its place:" << name;
            break;
        }
        usable = false;
    };
    clearOne(path_);
    for (const char* side : kSideFiles)
        clearOne(path_ + QLatin1String(side));
    return usable;
}

bool JournalPlace::isOpenedFile(QSqlDatabase& db) const {
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA database_list")))
        return false;
    while (query.next()) {
        if (query.value(1).toString() != QLatin1String("main"))
            continue;
        const QFileInfo opened(QDir::cleanPath(query.value(2).toString()));
        const QFileInfo expected(path_);
        if (entryKind(path_) != EntryKind::File)
            return false;
#ifdef Q_OS_WIN
        // SQLite on Windows names the file as given (short names, junctions
        // unresolved): the name itself is what can be compared.
        return opened.fileName().compare(expected.fileName(), Qt::CaseInsensitive) == 0;
#else
        // SQLite resolves links in the whole name; the games folder may be
        // reached through a link of its own (a home folder elsewhere), only
        // the journal's own name must not be one.
        return opened.filePath() == QFileInfo(expected.absolutePath()).canonicalFilePath() +
                                        QLatin1Char('/') + expected.fileName();
#endif
    }
    return false;
}

} // namespace zorna::journal
