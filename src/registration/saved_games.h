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
    // Removes the first listed game without date.dat and returns its folder;
    // nothing when no damaged game is left. The list is read again.
    std::optional<QString> removeNextDamaged();
    // Removes a game folder; false when it could not be removed. The list is
    // read again either way, so it shows what the disk holds.
    bool remove(const QString& gameFolder);
    void reload();

    const QStringList& names() const { return names_; }
    bool isEmpty() const { return names_.isEmpty(); }
    int size() const { return int(names_.size()); }
    // The folder of the game at a position of the list.
    QString folder(int position) const;

private:
    QString saveFolder() const;

    const ProgramFolder& programFolder_;
    QStringList names_;
    QStringList undeletable_;
};

} // namespace zorna
