#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace zorna {

class Rnd;

// Which pictures of a task window have been shown and which were answered
// right: S shown flags then S solved flags, 16-bit each (-1 True, 0 False).
class UsedPictureRecord {
public:
    explicit UsedPictureRecord(int slotCount = 11);

    int slotCount() const { return int(shown_.size()); }
    int byteSize() const { return 4 * slotCount(); }

    bool shown(int n) const { return shown_.at(n - 1); }
    bool solved(int n) const { return solved_.at(n - 1); }
    void setShown(int n, bool on) { shown_[n - 1] = on; }
    void setSolved(int n, bool on) { solved_[n - 1] = on; }
    void clearShown(int pictureCount);

    QByteArray toBytes() const;
    // Reads the record only when the data holds exactly one whole record (the
    // length divided by the record size, remainder dropped, is 1).
    static std::optional<UsedPictureRecord> fromBytes(const QByteArray& data, int slotCount);

    // When all K pictures have been shown: wrongly answered pictures become
    // drawable again; when every picture was answered right, all flags clear.
    // Returns true when it reset (the caller then writes the record).
    bool resetIfAllShown(int pictureCount);

    // A picture 1..K not shown yet: r * (K - 1) + 1 rounded with halves to even,
    // drawn again until an unshown one comes. The caller reseeds first if needed.
    int drawUnshown(int pictureCount, Rnd& rnd) const;

private:
    QList<bool> shown_;
    QList<bool> solved_;
};

// The record of a used-picture file: nothing when the file is missing, is not
// a plain file or does not hold exactly one whole record.
std::optional<UsedPictureRecord> readUsedPictureFile(const QString& path, int slotCount = 11);

// A task window's used-picture file in the working folder, with its record,
// the window's picture count and the picture drawn for this opening.
class PictureDeck {
public:
    PictureDeck(QString filePath, int pictureCount, int slotCount = 11);

    // Load steps: clears the shown flags, then reads the file when it holds
    // exactly one record (a missing file is created empty). The caller makes
    // sure the working folder exists.
    void load();
    // Reset when all pictures were shown; writes the file only then.
    void resetIfAllShown();
    // Reseeds, draws an unshown picture, marks it shown and, when asked,
    // writes the file at once. Returns the picture number.
    int drawPicture(Rnd& rnd, bool writeNow = true);
    // Closing: the solved flag of the current picture follows the result; writes.
    void finish(bool solved);
    // Writes the record at the start of the file; false (logged) when it failed.
    bool write() const;

    int current() const { return current_; }
    int pictureCount() const { return pictureCount_; }
    const UsedPictureRecord& record() const { return record_; }
    UsedPictureRecord& record() { return record_; }

private:
    QString path_;
    int pictureCount_;
    UsedPictureRecord record_;
    int current_ = 0;
};

} // namespace zorna
