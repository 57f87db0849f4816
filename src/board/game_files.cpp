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
// What a leftover that holds no complete game is kept aside as.
const QString kDamaged = QStringLiteral("~damaged");
// Every name with this mark is a save in progress or something kept aside,
// never a game of the list.
const QChar kSideMark = QLatin1Char('~');

QString staged(const QString& gameFolder, const QString& suffix) {
    return gameFolder + suffix;
}

// The game folder a staging name belongs to ("3~ready" -> "3"), or nothing.
std::optional<QString> stagedGame(const QString& name) {
    for (const QString& suffix : {kBuilding, kReady, kOld}) {
        const QString game = name.left(name.size() - suffix.size());
        if (name.endsWith(suffix) && !game.isEmpty() && !game.contains(kSideMark))
            return game;
    }
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

// Whether the folder holds a complete game that reads back: a real folder
// whose date.dat is a playable game record and whose statist.dat is readable
// statistics (a save writes both before it is ready), and whose Temp is a real
// folder or absent (a game without picture memory still plays).
bool isCompleteGame(const QString& folder) {
    if (entryKind(folder) != EntryKind::Folder)
        return false;
    const EntryKind temp = entryKind(findEntry(folder, QLatin1String(kTempFolder)));
    return (temp == EntryKind::Missing || temp == EntryKind::Folder) && readGameRecord(folder) &&
           readStatTable(folder);
}

// Keeps a leftover of the game folder that holds no complete game under a
// name the list ignores ("3~damaged-2026-12-11").
bool keepAside(const QString& gameFolder, const QString& leftover) {
    qCWarning(lcFiles).noquote() << "no complete game, kept aside:" << leftover;
    return !moveAside(leftover, gameFolder + kDamaged).isEmpty();
}

// Brings one game folder out of a save that was cut short. Nothing is swapped
// in or thrown away on its name alone: a ready game is swapped in only when it
// reads back whole; an old game that stepped aside goes only when the game
// folder is complete, and comes back when that is missing or damaged. What
// holds no complete game is kept aside, and the game folder stays as it is.
bool recoverGame(const QString& gameFolder) {
    const QString saveFolder = parentOf(gameFolder);
    const QString ready = staged(gameFolder, kReady);
    const QString old = staged(gameFolder, kOld);
    // Half built: the save never got as far as a game.
    if (!removeTree(staged(gameFolder, kBuilding)))
        return false;
    const bool readyComplete = isCompleteGame(ready);
    if (!readyComplete && entryExists(ready) && !keepAside(gameFolder, ready))
        return false;
    if (entryExists(old)) {
        if (isCompleteGame(gameFolder)) {
            qCInfo(lcFiles).noquote() << "old copy of a saved game removed:" << old << "-" << gameFolder
                                      << "holds the complete game";
            if (!removeTree(old))
                return false;
        } else if (isCompleteGame(old)) {
            if (entryExists(gameFolder) && !keepAside(gameFolder, gameFolder))
                return false;
            if (!renameEntry(old, gameFolder))
                return false;
            qCInfo(lcFiles).noquote() << "saved game brought back:" << old << "->" << gameFolder;
        } else if (!keepAside(gameFolder, old)) {
            return false;
        }
    }
    if (readyComplete) {
        // The swap of a save: the game folder steps aside, the ready game takes
        // its name, and the one that stepped aside goes once that is on disk.
        const bool hadGame = entryExists(gameFolder);
        if (hadGame && !renameEntry(gameFolder, old))
            return false;
        if (!renameEntry(ready, gameFolder)) {
            if (hadGame)
                renameEntry(old, gameFolder);
            return false;
        }
        qCInfo(lcFiles).noquote() << "interrupted save finished:" << gameFolder;
        if (!syncFolder(saveFolder) || (hadGame && !removeTree(old)))
            return false;
    }
    return syncFolder(saveFolder);
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
    // Games are written only into a real save folder, never through a link.
    if (entryKind(saveFolder) != EntryKind::Folder) {
        qCWarning(lcFiles).noquote() << "not saved:" << saveFolder << "- not a real folder";
        return false;
    }
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
    for (const FolderEntry& entry : entriesOf(saveFolder))
        if (const std::optional<QString> game = stagedGame(entry.name); game && entry.nameReadable)
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
    QStringList names;
    for (const FolderEntry& entry : entriesOf(saveFolder))
        if (entry.kind == EntryKind::Folder && entry.nameReadable && !entry.name.contains(kSideMark))
            names.append(entry.name);
    return names;
}

QStringList unreadableGameFolders(const QString& saveFolder) {
    QStringList names;
    for (const FolderEntry& entry : entriesOf(saveFolder))
        if (entry.kind == EntryKind::Folder && !entry.nameReadable)
            names.append(entry.name);
    return names;
}

bool removeGameFolder(const QString& saveFolder, const QString& gameFolder) {
    const QFileInfo save(saveFolder);
    const QFileInfo game(gameFolder);
    if (entryKind(saveFolder) != EntryKind::Folder || save.canonicalFilePath().isEmpty() ||
        game.fileName().isEmpty())
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
