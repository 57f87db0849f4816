#include "platform/program_folder.h"

#include "rules/picture_names.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace zorna {

namespace {

// The first names of the folders that belong to the games, not to the program.
bool isGamesFolder(const QString& name) {
    return name.compare(QLatin1String("Temp"), Qt::CaseInsensitive) == 0 ||
           name.compare(QLatin1String("Save"), Qt::CaseInsensitive) == 0;
}

// Whether this user may write the folder and the games folders it already holds.
bool gamesFitInside(const QString& root) {
    if (!folderWritable(root))
        return false;
    const QStringList entries = QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& entry : entries)
        if (isGamesFolder(entry) && !folderWritable(root + QLatin1Char('/') + entry))
            return false;
    return true;
}

} // namespace

ProgramFolder::ProgramFolder(QString root) : root_(QDir::cleanPath(std::move(root))), gamesRoot_(root_) {}

ProgramFolder::ProgramFolder(QString root, QString gamesRoot)
    : root_(QDir::cleanPath(std::move(root))), gamesRoot_(QDir::cleanPath(std::move(gamesRoot))) {}

ProgramFolder ProgramFolder::forExecutable(const QString& executableDir, const QString& installedDir,
                                           const QString& userDataDir) {
    // A build folder or a portable copy has the help page beside the executable.
    const bool portable = ProgramFolder(executableDir).hasEntry(QStringLiteral("help/help.htm"));
    const QString root = portable ? executableDir : installedDir;
    // An installed program folder belongs to the package manager, even for the
    // one user (the superuser) who could write it. Without a data folder for
    // the user (no home), the games stay with the program, where a failed
    // write is reported like any other.
    if ((portable && gamesFitInside(root)) || userDataDir.isEmpty())
        return ProgramFolder(root);
    return ProgramFolder(root, userDataDir);
}

bool ProgramFolder::hasEntry(const QString& relative) const {
    return QFileInfo::exists(path(relative));
}

QString ProgramFolder::path(const QString& relative) const {
    QString rel = relative;
    rel.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QStringList parts = rel.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString current = !parts.isEmpty() && isGamesFolder(parts.first()) ? gamesRoot_ : root_;
    // Most names are spelled as on disk: one look settles them.
    const QString whole = current + QLatin1Char('/') + parts.join(QLatin1Char('/'));
    if (!parts.isEmpty() && QFileInfo::exists(whole))
        return whole;
    for (const QString& part : parts) {
        const QString exact = current + QLatin1Char('/') + part;
        if (QFileInfo::exists(exact)) {
            current = exact;
            continue;
        }
        // The first matching name in name order, without sorting the whole folder.
        QString match;
        QDirIterator entries(current, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        while (entries.hasNext()) {
            const QString entry = entries.nextFileInfo().fileName();
            if (entry.compare(part, Qt::CaseInsensitive) == 0 && (match.isEmpty() || entry < match))
                match = entry;
        }
        current += QLatin1Char('/') + (match.isEmpty() ? part : match);
    }
    return current;
}

QString ProgramFolder::taskPicture(int windowNumber, int picture, const QString& extension) const {
    return taskFile(windowNumber, QString::number(picture) + QLatin1Char('.') + extension);
}

QString ProgramFolder::taskFile(int windowNumber, const QString& name) const {
    return path(rules::taskFile(windowNumber, name));
}

QString ProgramFolder::usedPictureFile(int windowNumber) const {
    // Spelled as the game makes its working folder, so that the usual case
    // takes one look instead of a search of the program folder.
    return path(QStringLiteral("Temp/%1.$$$").arg(windowNumber));
}

bool ProgramFolder::ensureGamesRoot() const {
    if (keepsGamesInside() || QFileInfo::exists(gamesRoot_))
        return QFileInfo(gamesRoot_).isDir();
    // The user's games folder is made for the user alone.
    return makeFolders(gamesRoot_) &&
           QFile::setPermissions(gamesRoot_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

bool ProgramFolder::ensureFolder(const QString& relative) const {
    if (path(relative).startsWith(gamesRoot_ + QLatin1Char('/')) &&
        !(ensureGamesRoot() && secureGamesFolders()))
        return false;
    return makeFolders(path(relative));
}

bool ProgramFolder::secureGamesFolders() const {
    bool ok = true;
    for (const QString& name : {QStringLiteral("Temp"), QStringLiteral("Save")}) {
        const QString folder = path(name);
        if (entryKind(folder) == EntryKind::Link)
            ok = !moveAside(folder, folder + QStringLiteral("~link")).isEmpty() && ok;
    }
    return ok;
}

} // namespace zorna
