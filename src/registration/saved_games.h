#pragma once

#include "platform/program_folder.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace zorna {

// The saved games under Save, without widgets: the game folders in their
// order, saves cut short finished or undone, damaged games (no date.dat)
// removed. A folder that cannot be removed is left out of the list from then
// on instead of being tried again and again.
class SavedGames {
public:
    explicit SavedGames(const ProgramFolder& folder);

    // Finishes or undoes the saves that were cut short, so that their folders
    // are not taken for damaged ones, and reads the list.
    void recover();
    struct DamagedGame {
        QString folder;
        bool removed = false; // false: left where it is (and out of the list)
    };
    // Tries to remove the first listed game without date.dat and says which
    // and whether it went whole; nothing when no damaged game is left. A
    // folder that could not be removed is left out of the list from then on.
    std::optional<DamagedGame> removeNextDamaged();
    // The game folders the list leaves out because their names cannot be read
    // as text, as they can be shown.
    QStringList unreadableNames() const;
    // Removes a game folder; false when it could not be removed. The list is
    // read again either way, so it shows what the disk holds.
    bool remove(const QString& gameFolder);
    void reload();

    const QStringList& names() const { return names_; }
    bool isEmpty() const { return names_.isEmpty(); }
    int size() const { return int(names_.size()); }
    // The folder of the game at a position of the list.
    QString folder(int position) const;

    QString saveFolder() const;

private:
    const ProgramFolder& programFolder_;
    QStringList names_;
    QStringList undeletable_;
};

} // namespace zorna
