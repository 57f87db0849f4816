#include "tasks/common/used_pictures.h"

#include "platform/file_system.h"
#include "platform/records.h"
#include "platform/rnd.h"

namespace zorna {

UsedPictureRecord::UsedPictureRecord(int slotCount) : shown_(slotCount, false), solved_(slotCount, false) {}

void UsedPictureRecord::clearShown(int pictureCount) {
    for (int n = 1; n <= pictureCount; ++n)
        setShown(n, false);
}

QByteArray UsedPictureRecord::toBytes() const {
    RecordWriter w;
    for (bool b : shown_)
        w.boolean(b);
    for (bool b : solved_)
        w.boolean(b);
    return w.data();
}

std::optional<UsedPictureRecord> UsedPictureRecord::fromBytes(const QByteArray& data, int slotCount) {
    UsedPictureRecord record(slotCount);
    if (data.size() / record.byteSize() != 1)
        return std::nullopt;
    RecordReader r(data);
    for (int n = 1; n <= slotCount; ++n)
        record.setShown(n, r.boolean());
    for (int n = 1; n <= slotCount; ++n)
        record.setSolved(n, r.boolean());
    return record;
}

bool UsedPictureRecord::resetIfAllShown(int pictureCount) {
    for (int n = 1; n <= pictureCount; ++n)
        if (!shown(n))
            return false;
    int wrong = 0;
    for (int n = 1; n <= pictureCount; ++n) {
        if (!solved(n)) {
            setShown(n, false);
            ++wrong;
        }
    }
    if (wrong == 0) {
        for (int n = 1; n <= pictureCount; ++n) {
            setShown(n, false);
            setSolved(n, false);
        }
    }
    return true;
}

int UsedPictureRecord::drawUnshown(int pictureCount, Rnd& rnd) const {
    // A real generator finds an unshown picture within a few draws; the bound only
    // keeps a broken generator (or an exhausted test script) from hanging the game.
    for (int attempt = 0; attempt < 100000; ++attempt) {
        const int n = rnd.draw(pictureCount - 1, 1);
        if (n >= 1 && n <= pictureCount && !shown(n))
            return n;
    }
    for (int n = 1; n <= pictureCount; ++n)
        if (!shown(n))
            return n;
    return 1;
}

PictureDeck::PictureDeck(QString filePath, int pictureCount, int slotCount)
    : path_(std::move(filePath)), pictureCount_(pictureCount), record_(slotCount) {}

void PictureDeck::load() {
    record_.clearShown(pictureCount_);
    if (!entryExists(path_)) {
        writeNewFile(path_, QByteArray(), Durability::Scratch); // created empty when missing
        return;
    }
    if (auto read = readUsedPictureFile(path_, record_.slotCount()))
        record_ = *read;
}

void PictureDeck::resetIfAllShown() {
    if (record_.resetIfAllShown(pictureCount_))
        write();
}

int PictureDeck::drawPicture(Rnd& rnd, bool writeNow) {
    rnd.randomize();
    current_ = record_.drawUnshown(pictureCount_, rnd);
    record_.setShown(current_, true);
    if (writeNow)
        write();
    return current_;
}

void PictureDeck::finish(bool solved) {
    if (current_ >= 1)
        record_.setSolved(current_, solved);
    write();
}

bool PictureDeck::write() const {
    // The picture memory is a help, not the game: a failed write is logged
    // (with the reason, by the file layer) and the task goes on.
    if (writeAtStart(path_, record_.toBytes(), Durability::Scratch))
        return true;
    qCWarning(lcFiles).noquote() << "used-picture file not written:" << path_;
    return false;
}

std::optional<UsedPictureRecord> readUsedPictureFile(const QString& path, int slotCount) {
    // One whole record is at most two records' length less a byte; anything
    // longer is not read at all.
    const std::optional<QByteArray> data = readFile(path, 8 * slotCount - 1);
    if (!data)
        return std::nullopt;
    return UsedPictureRecord::fromBytes(*data, slotCount);
}

} // namespace zorna
