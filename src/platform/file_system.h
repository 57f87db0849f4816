#pragma once

#include <QByteArray>
#include <QList>
#include <QLoggingCategory>
#include <QString>
#include <QStringList>

#include <optional>

namespace zorna {

// Every file failure is logged here with its path and the system's reason.
Q_DECLARE_LOGGING_CATEGORY(lcFiles)

// The steps by which the program changes files and folders. Each step reports
// failure (a full disk, a read-only folder) and never claims success it did not
// have. The helpers below build every write of the program from these steps;
// tests put a layer in their place that fails at a chosen step.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    // Creates a new plain file for writing and returns its handle, or -1. Fails
    // when anything (a link or a junction too) already has that name, so
    // nothing is written through a link.
    virtual int create(const QString& path) = 0;
    // Writes all the bytes; a short write is a failure.
    virtual bool write(int handle, const QByteArray& bytes, const QString& path) = 0;
    // Pushes the file's data to the disk.
    virtual bool sync(int handle, const QString& path) = 0;
    // Closes the handle (always released); false when the close reports an error.
    virtual bool close(int handle, const QString& path) = 0;
    // Renames within one folder tree, replacing a file or an empty folder of the
    // target name (a link of that name is replaced, not followed).
    virtual bool rename(const QString& from, const QString& to) = 0;
    // Pushes a folder's entries (new names, renames) to the disk.
    virtual bool syncFolder(const QString& path) = 0;
    virtual bool makeFolder(const QString& path) = 0;
    // Removes a file, a link (never what it points to) or another non-folder entry.
    virtual bool remove(const QString& path) = 0;
    // Removes an empty folder.
    virtual bool removeFolder(const QString& path) = 0;
    // Removes a folder with everything inside it, entry by entry relative to the
    // opened folder, so that a link met on the way (or swapped in meanwhile) is
    // removed as a link and never followed. A link given as `path` goes as a link.
    virtual bool removeFolderTree(const QString& path) = 0;
    // Removes every entry of the folder that is not a real folder (files, links),
    // the same way; the folder and its subfolders stay. A folder that is a link
    // is not emptied.
    virtual bool emptyFolder(const QString& path) = 0;
};

// The file system itself: the POSIX calls (file_system_posix.cpp) or the
// Windows wide-character calls (file_system_win.cpp).
class SystemFileSystem : public FileSystem {
public:
    int create(const QString& path) override;
    bool write(int handle, const QByteArray& bytes, const QString& path) override;
    bool sync(int handle, const QString& path) override;
    bool close(int handle, const QString& path) override;
    bool rename(const QString& from, const QString& to) override;
    bool syncFolder(const QString& path) override;
    bool makeFolder(const QString& path) override;
    bool remove(const QString& path) override;
    bool removeFolder(const QString& path) override;
    bool removeFolderTree(const QString& path) override;
    bool emptyFolder(const QString& path) override;
};

// The layer every change of the program goes through: the system's, unless a
// FileSystemOverride is alive.
FileSystem& fileSystem();

// Puts another layer in place for its lifetime (tests: a layer that fails at a
// chosen step).
class FileSystemOverride {
public:
    explicit FileSystemOverride(FileSystem& replacement);
    ~FileSystemOverride();
    FileSystemOverride(const FileSystemOverride&) = delete;
    FileSystemOverride& operator=(const FileSystemOverride&) = delete;

private:
    FileSystem* previous_;
};

// --- Reading: plain files only, a bounded number of bytes -------------------

// Larger files than this are refused by readers that name no bound of their own.
inline constexpr qint64 kDefaultReadLimit = 4 * 1024 * 1024;

// The whole content of a plain file of at most `maxBytes` bytes. Nothing when
// the file is missing, is not a plain file (a link, folder, FIFO or device: it
// is never opened in a way that could wait), is larger, or cannot be read.
std::optional<QByteArray> readFile(const QString& path, qint64 maxBytes = kDefaultReadLimit);
// The same for the program's own installed files (pictures, cursors), which an
// installation may provide as links: a link is followed, but what it leads to
// must be a plain file.
std::optional<QByteArray> readProgramFile(const QString& path, qint64 maxBytes = kDefaultReadLimit);

// What a name in a folder is, without following a link. On Windows a symbolic
// link and a junction are both a Link.
enum class EntryKind { Missing, File, Folder, Link, Other };
EntryKind entryKind(const QString& path);
// True when anything at all has this name (a dangling link too).
bool entryExists(const QString& path);
// Size of a plain file; -1 when missing or not a plain file.
qint64 fileSize(const QString& path);
// Whether this user may create files in the folder. On Windows this is tried
// (a file made and deleted at once): the folder's attributes do not say it,
// and Program Files or a read-only share look writable to Qt.
bool folderWritable(const QString& path);

// The existing entry of `folder` whose name matches `name` without regard to
// letter case (an exact match first); `folder` + name when there is none.
QString findEntry(const QString& folder, const QString& name);

// One entry of a folder, as the entry itself is (a link is not followed).
// `nameReadable` is false for a Linux name that is not valid in the system's
// encoding (not UTF-8): such a name cannot be passed back as text, so `name`
// is only a rendering to show, with U+FFFD for the bytes it cannot show.
struct FolderEntry {
    QString name;
    EntryKind kind = EntryKind::Missing;
    bool nameReadable = true;
};
// The entries of a folder (not "." and ".."), sorted by name; empty when it
// cannot be read or is a link.
QList<FolderEntry> entriesOf(const QString& folder);

// Names of everything in a folder that is not a folder of its own (plain files,
// links, other entries) and whose name can be used, sorted by name.
QStringList filesIn(const QString& folder);

// --- Writing: checked at every step, never through a link --------------------

// How far a write goes. Durable files (saved games) are synced to the disk.
// Scratch files (the running game's picture memory in the working folder) are
// not: a sync costs the task window tens of milliseconds on a busy disk, and
// the rename still leaves the old or the new file when the program dies; only
// a crash of the whole system can lose the last write, which the readers take
// for a missing file.
enum class Durability { Durable, Scratch };

// Creates a new file with the bytes, synced to the disk unless scratch; never
// replaces anything. On failure the half-written file is removed.
bool writeNewFile(const QString& path, const QByteArray& bytes, Durability durability = Durability::Durable);
// Replaces the file so that it is either the old or the new one, never half
// written: the bytes go into a new file beside it, which is synced (unless
// scratch) and renamed over it. A link of that name is replaced, its target is
// left alone.
bool writeWhole(const QString& path, const QByteArray& bytes, Durability durability = Durability::Durable);
// Writes the bytes at offset 0 without shortening a longer file (its tail is
// kept), creating it when missing; the file is replaced as a whole.
bool writeAtStart(const QString& path, const QByteArray& bytes, Durability durability = Durability::Durable);

// Creates the folder and its missing parents; true when it is a real folder
// afterwards. A link in the folder's own place is not taken for it (its
// parents may be links, as a user's home often is).
bool makeFolders(const QString& path);
// Renames the entry to "<stem>-<yyyy-MM-dd>" (with "-2", "-3" when that is
// taken) in the same folder, so that it is kept but no longer used, and logs
// it. The new path, or an empty string when it could not be renamed.
QString moveAside(const QString& path, const QString& stem);
// Removes one non-folder entry; a missing one counts as removed.
bool removeFile(const QString& path);
// Deletes every non-folder entry of the folder (not subfolders); the folder
// stays. Links are removed as links; a folder that is a link is left alone.
bool removeFilesIn(const QString& folder);
// Removes a folder with everything inside it. Links inside are removed as
// links, never followed; a link given as `folder` goes as a link.
bool removeTree(const QString& folder);
// Pushes a folder's entries to the disk.
bool syncFolder(const QString& path);
bool renameEntry(const QString& from, const QString& to);

} // namespace zorna
