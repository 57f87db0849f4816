#include "board/game_files.h"

#include "platform/file_system.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace zorna::gamefiles {

namespace {

// Suffixes of a game folder's save in progress, in the order a save uses them.
const QString kBuilding = QStringLiteral("~saving");
const QString kReady = QStringLiteral("~ready");
const QString kOld = QStringLiteral("~old");

QString staged(const QString& gameFolder, const QString& suffix) {
    return gameFolder + suffix;
}

// The game folder a staging name belongs to ("3~ready" -> "3"), or nothing.
std::optional<QString> stagedGame(const QString& name) {
    for (const QString& suffix : {kBuilding, kReady, kOld})
        if (name.endsWith(suffix) && name.size() > suffix.size())
            return name.left(name.size() - suffix.size());
    return std::nullopt;
}

QString parentOf(const QString& path) {
    return QFileInfo(path).absolutePath();
}

// Copies the working folder's plain files into a new, empty folder.
bool copyWorkingFiles(const QString& from, const QString& to) {
    const QDir source(from);
    for (const QString& name : filesIn(from)) {
        const QString path = source.filePath(name);
        if (entryKind(path) != EntryKind::File || fileSize(path) > kMaxWorkingFileBytes) {
            qCWarning(lcFiles).noquote() << "left out of the save:" << path << "- not a used-picture file";
            continue;
        }
        const std::optional<QByteArray> bytes = readFile(path, kMaxWorkingFileBytes);
        if (!bytes || !writeNewFile(QDir(to).filePath(name), *bytes))
            return false;
    }
    return true;
}

// Writes the whole game into `folder`, which must not exist yet, and syncs it.
bool buildGame(const QString& folder, const QString& workingFolder, const GameRecord& record,
               const StatTable& stats) {
    FileSystem& fs = fileSystem();
    const QDir dir(folder);
    const QString temp = dir.filePath(QLatin1String(kTempFolder));
    return fs.makeFolder(folder) && fs.makeFolder(temp) && copyWorkingFiles(workingFolder, temp) &&
           writeNewFile(dir.filePath(QLatin1String(kStatFile)), stats.toBytes()) &&
           writeNewFile(dir.filePath(QLatin1String(kDateFile)), record.toBytes()) && syncFolder(temp) &&
           syncFolder(folder);
}

// Brings one game folder out of a save that was cut short: a complete new game
// waiting to be swapped in is swapped in; a half-built one is dropped; an old
// game that stepped aside goes, or comes back when no new one took its place.
bool recoverGame(const QString& gameFolder) {
    const QString saveFolder = parentOf(gameFolder);
    const QString ready = staged(gameFolder, kReady);
    const QString old = staged(gameFolder, kOld);
    if (!removeTree(staged(gameFolder, kBuilding)))
        return false;
    if (entryExists(ready)) {
        if (entryExists(gameFolder) && !(removeTree(old) && renameEntry(gameFolder, old)))
            return false;
        if (!renameEntry(ready, gameFolder) || !syncFolder(saveFolder))
            return false;
    }
    if (!entryExists(old))
        return true;
    if (entryExists(gameFolder))
        return removeTree(old);
    return renameEntry(old, gameFolder) && syncFolder(saveFolder);
}

} // namespace

QString freeGameFolderName(const QString& saveFolder) {
    const QDir dir(saveFolder);
    for (int n = 1;; ++n) {
        const QString path = dir.filePath(QString::number(n));
        if (!entryExists(path) && !entryExists(staged(path, kBuilding)) &&
            !entryExists(staged(path, kReady)) && !entryExists(staged(path, kOld)))
            return QString::number(n);
    }
}

bool writeSave(const QString& gameFolder, const QString& workingFolder, const GameRecord& record,
               const StatTable& stats) {
    const QString saveFolder = parentOf(gameFolder);
    const QString building = staged(gameFolder, kBuilding);
    const QString ready = staged(gameFolder, kReady);
    const QString old = staged(gameFolder, kOld);
    // Leftovers of an earlier attempt are of no use any more.
    if (!removeTree(building) || !removeTree(ready))
        return false;
    if (!buildGame(building, workingFolder, record, stats) || !renameEntry(building, ready) ||
        !syncFolder(saveFolder)) {
        removeTree(building);
        removeTree(ready);
        return false;
    }
    // The swap: the old game steps aside, the new one takes its name.
    const bool hadGame = entryExists(gameFolder);
    if (hadGame && !(removeTree(old) && renameEntry(gameFolder, old))) {
        removeTree(ready);
        return false;
    }
    if (!renameEntry(ready, gameFolder)) {
        if (hadGame)
            renameEntry(old, gameFolder);
        removeTree(ready);
        return false;
    }
    // From here on the folder holds the new game; an old one that cannot be
    // removed now goes at the next start.
    const bool durable = syncFolder(saveFolder);
    if (hadGame)
        removeTree(old);
    return durable;
}

bool recoverInterruptedSaves(const QString& saveFolder) {
    const QDir dir(saveFolder);
    QSet<QString> games;
    const QStringList entries =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& entry : entries)
        if (const std::optional<QString> game = stagedGame(entry))
            games.insert(*game);
    bool ok = true;
    for (const QString& game : games) {
        if (!recoverGame(dir.filePath(game))) {
            qCWarning(lcFiles).noquote() << "interrupted save not put right:" << dir.filePath(game);
            ok = false;
        }
    }
    return ok;
}

bool restoreWorkingFolder(const QString& gameFolder, const QString& workingFolder) {
    const QString temp = findEntry(gameFolder, QLatin1String(kTempFolder));
    switch (entryKind(temp)) {
    case EntryKind::Missing:
        return true;
    case EntryKind::Folder:
        break;
    default:
        qCWarning(lcFiles).noquote() << "not restored:" << temp << "- not a folder";
        return false;
    }
    bool ok = true;
    const QDir source(temp);
    for (const QString& name : filesIn(temp)) {
        const QString path = source.filePath(name);
        if (entryKind(path) != EntryKind::File) {
            qCWarning(lcFiles).noquote() << "not restored:" << path << "- not a plain file";
            ok = false;
            continue;
        }
        const std::optional<QByteArray> bytes = readFile(path, kMaxWorkingFileBytes);
        ok = bytes && writeWhole(QDir(workingFolder).filePath(name), *bytes) && ok;
    }
    return ok;
}

std::optional<GameRecord> readGameRecord(const QString& gameFolder) {
    const QString path = findEntry(gameFolder, QLatin1String(kDateFile));
    const std::optional<QByteArray> bytes = readFile(path, kMaxGameFileBytes);
    if (!bytes) {
        qCWarning(lcFiles).noquote() << "saved game refused:" << path << "- missing or unreadable";
        return std::nullopt;
    }
    std::optional<GameRecord> record = GameRecord::fromBytes(*bytes);
    if (!record)
        qCWarning(lcFiles).noquote() << "saved game refused:" << path << "- holds no playable game";
    return record;
}

std::optional<StatTable> readStatTable(const QString& gameFolder) {
    const QString path = findEntry(gameFolder, QLatin1String(kStatFile));
    const std::optional<QByteArray> bytes = readFile(path, kMaxGameFileBytes);
    if (!bytes)
        return std::nullopt;
    std::optional<StatTable> stats = StatTable::fromBytes(*bytes);
    if (!stats)
        qCWarning(lcFiles).noquote() << "statistics not read:" << path << "- too short";
    return stats;
}

QStringList savedGameFolders(const QString& saveFolder) {
    QStringList names =
        QDir(saveFolder)
            .entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks | QDir::Hidden, QDir::NoSort);
    names.removeIf([](const QString& name) { return stagedGame(name).has_value(); });
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return a.compare(b) < 0; });
    return names;
}

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
    const EntryKind kind = entryKind(game.absoluteFilePath());
    if (kind != EntryKind::Folder && kind != EntryKind::Link) {
        qCWarning(lcFiles).noquote() << "not removed:" << gameFolder << "- no game folder";
        return false;
    }
    return removeTree(game.absoluteFilePath());
}

} // namespace zorna::gamefiles
