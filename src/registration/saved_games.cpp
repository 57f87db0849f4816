#include "registration/saved_games.h"

#include "board/game_files.h"

#include <QDir>
#include <QFileInfo>

namespace zorna {

SavedGames::SavedGames(const ProgramFolder& folder) : programFolder_(folder) {}

QString SavedGames::saveFolder() const {
    return programFolder_.path(QStringLiteral("Save"));
}

void SavedGames::recover() {
    gamefiles::recoverInterruptedSaves(saveFolder());
    reload();
}

void SavedGames::reload() {
    names_ = gamefiles::savedGameFolders(saveFolder());
    for (const QString& skip : undeletable_)
        names_.removeAll(skip);
}

QString SavedGames::folder(int position) const {
    return QDir(saveFolder()).filePath(names_.value(position));
}

std::optional<SavedGames::DamagedGame> SavedGames::removeNextDamaged() {
    reload();
    for (const QString& name : names_) {
        // The record's name is matched without regard to letter case.
        if (QFileInfo::exists(programFolder_.path(QStringLiteral("Save/%1/date.dat").arg(name))))
            continue;
        const QString gameFolder = QDir(saveFolder()).filePath(name);
        const bool removed =
            gamefiles::removeGameFolder(saveFolder(), gameFolder) && !QFileInfo::exists(gameFolder);
        if (!removed)
            undeletable_.append(name);
        reload();
        return DamagedGame{gameFolder, removed};
    }
    return std::nullopt;
}

QStringList SavedGames::unreadableNames() const {
    return gamefiles::unreadableGameFolders(saveFolder());
}

bool SavedGames::remove(const QString& gameFolder) {
    const bool removed = gamefiles::removeGameFolder(saveFolder(), gameFolder);
    reload();
    return removed;
}

} // namespace zorna
