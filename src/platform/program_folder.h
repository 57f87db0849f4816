#pragma once

#include "platform/file_system.h"

#include <QString>

namespace zorna {

// The folder the program is installed in, with its fixed layout. Relative names
// may use "/" or "\" and are matched without regard to letter case, so "Temp"
// and "temp" name the same existing folder on any file system.
class ProgramFolder {
public:
    explicit ProgramFolder(QString root);

    const QString& root() const { return root_; }
    // Full path of a name under the program folder; components that exist in
    // another letter case resolve to the existing spelling.
    QString path(const QString& relative) const;

    QString workingFolder() const { return path(QStringLiteral("Temp")); }
    QString saveFolder() const { return path(QStringLiteral("Save")); }
    QString helpPage() const { return path(QStringLiteral("help/help.htm")); }
    // "kletka" N "/" n "." extension, for example kletka17/3.jpg.
    QString taskPicture(int windowNumber, int picture,
                        const QString& extension = QStringLiteral("jpg")) const;
    QString taskFile(int windowNumber, const QString& name) const;
    // The working folder's used-picture file of window N: "temp/N.$$$".
    QString usedPictureFile(int windowNumber) const;

    // Creates the folder (and its parents) when missing; true when it exists afterwards.
    bool ensureFolder(const QString& relative) const;

private:
    QString root_;
};

} // namespace zorna
