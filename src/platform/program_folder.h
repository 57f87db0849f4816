#pragma once

#include "platform/file_system.h"

#include <QString>

namespace zorna {

// The folder the program is installed in, with its fixed layout. Relative names
// may use "/" or "\" and are matched without regard to letter case, so "Temp"
// and "temp" name the same existing folder on any file system.
//
// The working folder (Temp) and the save folder (Save) live in the games
// folder: the program folder itself when it is writable (a build folder or a
// portable copy), or the user's own data folder with the same layout when it is
// not (an installed program), so that every user keeps their own games.
class ProgramFolder {
public:
    // A program folder that keeps Temp and Save inside itself.
    explicit ProgramFolder(QString root);
    // A program folder whose Temp and Save live under gamesRoot instead.
    ProgramFolder(QString root, QString gamesRoot);

    // The program folder of the executable in executableDir: that folder itself
    // when it holds the program's files (a build folder or a portable copy),
    // keeping Temp and Save inside when it is writable; otherwise installedDir
    // (the installed data folder). Temp and Save of an installed or read-only
    // program folder live under userDataDir.
    static ProgramFolder forExecutable(const QString& executableDir, const QString& installedDir,
                                       const QString& userDataDir);

    const QString& root() const { return root_; }
    // The folder that holds Temp and Save: root() or the user's data folder.
    const QString& gamesRoot() const { return gamesRoot_; }
    bool keepsGamesInside() const { return gamesRoot_ == root_; }

    // Full path of a name under the program folder; components that exist in
    // another letter case resolve to the existing spelling. Names under Temp
    // and Save resolve under gamesRoot().
    QString path(const QString& relative) const;

    QString workingFolder() const { return path(QStringLiteral("Temp")); }
    QString saveFolder() const { return path(QStringLiteral("Save")); }
    QString helpPage() const { return path(QStringLiteral("help/help.htm")); }
    // "kletka" N "/" n "." extension, for example kletka17/3.jpg.
    QString taskPicture(int windowNumber, int picture,
                        const QString& extension = QStringLiteral("jpg")) const;
    QString taskFile(int windowNumber, const QString& name) const;
    // The working folder's used-picture file of window N: "Temp/N.$$$".
    QString usedPictureFile(int windowNumber) const;

    // Creates the folder (and its parents) when missing; true when it is a real
    // folder afterwards. A Temp or Save that is a link is moved aside first.
    bool ensureFolder(const QString& relative) const;
    // Moves aside a Temp or Save of the games folder that is a link or a
    // junction as "Temp~link-<date>", so that nothing is ever read, written or
    // deleted through it (a file in its place stays, and making the folder
    // fails). True when neither is a link afterwards.
    bool secureGamesFolders() const;
    // Creates the user's games folder when missing, readable by this user
    // alone, so that no other user sees the games; true when it exists.
    bool ensureGamesRoot() const;
    // Whether a file or folder of that name exists.
    bool hasEntry(const QString& relative) const;

private:
    QString root_;
    QString gamesRoot_;
};

} // namespace zorna
