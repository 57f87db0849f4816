#include "board/game_files.h"

#include "platform/program_folder.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace zorna::gamefiles {

QString freeGameFolderName(const QString& saveFolder) {
    const QDir dir(saveFolder);
    for (int n = 1;; ++n) {
        const QString name = QString::number(n);
        const QFileInfo info(dir.filePath(name));
        if (!info.exists() && !info.isSymLink())
            return name;
    }
}

bool copyFiles(const QString& from, const QString& to) {
    if (!QDir().mkpath(to))
        return false;
    bool ok = true;
    for (const QString& name : filesIn(from)) {
        const std::optional<QByteArray> bytes = readFile(QDir(from).filePath(name));
        ok = bytes && writeWhole(QDir(to).filePath(name), *bytes) && ok;
    }
    return ok;
}

bool writeSave(const QString& gameFolder, const QString& workingFolder, const GameRecord& record,
               const StatTable& stats) {
    const QDir dir(gameFolder);
    if (!QDir().mkpath(dir.filePath(QStringLiteral("Temp"))))
        return false;
    if (!copyFiles(workingFolder, dir.filePath(QStringLiteral("Temp"))))
        return false;
    // date.dat last: a game folder without it is not a complete game.
    return writeWhole(dir.filePath(QLatin1String(kStatFile)), stats.toBytes()) &&
           writeWhole(dir.filePath(QLatin1String(kDateFile)), record.toBytes());
}

std::optional<GameRecord> readGameRecord(const QString& gameFolder) {
    const std::optional<QByteArray> bytes = readFile(QDir(gameFolder).filePath(QLatin1String(kDateFile)));
    if (!bytes)
        return std::nullopt;
    return GameRecord::fromBytes(*bytes);
}

std::optional<StatTable> readStatTable(const QString& gameFolder) {
    const std::optional<QByteArray> bytes = readFile(QDir(gameFolder).filePath(QLatin1String(kStatFile)));
    if (!bytes)
        return std::nullopt;
    return StatTable::fromBytes(*bytes);
}

QStringList savedGameFolders(const QString& saveFolder) {
    QStringList names =
        QDir(saveFolder)
            .entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks | QDir::Hidden, QDir::NoSort);
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return a.compare(b) < 0; });
    return names;
}

namespace {

bool removeTree(const QString& folder) {
    QDir dir(folder);
    const QFileInfoList entries = dir.entryInfoList(
        QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::NoSort);
    bool ok = true;
    for (const QFileInfo& e : entries) {
        if (e.isSymLink() || !e.isDir())
            ok = QFile::remove(e.absoluteFilePath()) && ok; // a link goes, its target stays
        else
            ok = removeTree(e.absoluteFilePath()) && ok;
    }
    return dir.rmdir(folder) && ok;
}

} // namespace

bool removeGameFolder(const QString& saveFolder, const QString& gameFolder) {
    const QFileInfo save(saveFolder);
    const QFileInfo game(gameFolder);
    if (save.canonicalFilePath().isEmpty() || game.fileName().isEmpty())
        return false;
    // The folder must sit directly in the save folder (its parent, not the target of a link).
    const QString parent = QFileInfo(game.absolutePath()).canonicalFilePath();
    if (parent != save.canonicalFilePath() || game.fileName() == QLatin1String("..") ||
        game.fileName() == QLatin1String("."))
        return false;
    if (game.isSymLink())
        return QFile::remove(game.absoluteFilePath());
    if (!game.isDir())
        return false;
    return removeTree(game.absoluteFilePath());
}

} // namespace zorna::gamefiles
