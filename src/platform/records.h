#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace zorna {

// Windows-1251, the single-byte code of every text in the game's files.
// Characters the code cannot hold become "?".
QByteArray toWindows1251(const QString& text);
QString fromWindows1251(const QByteArray& bytes);
// The first character (a code point) that Windows-1251 cannot hold; nothing
// when the whole text can be saved.
std::optional<char32_t> firstUnencodable(const QString& text);

// Builds a fixed binary record, little-endian.
class RecordWriter {
public:
    void int16(qint16 value);
    void boolean(bool value) { int16(value ? -1 : 0); }
    // Windows-1251 text cut or padded with spaces to exactly `width` bytes.
    void text(const QString& value, int width);
    void bytes(const QByteArray& raw) { data_.append(raw); }
    void zeros(int count) { data_.append(QByteArray(count, '\0')); }

    const QByteArray& data() const { return data_; }

private:
    QByteArray data_;
};

// Reads a fixed binary record, little-endian. Reading past the end (or a
// negative count) yields 0 or empty text, clears ok() and leaves the reader at
// the end.
class RecordReader {
public:
    explicit RecordReader(QByteArray data) : data_(std::move(data)) {}

    qint16 int16();
    bool boolean() { return int16() != 0; }
    // `width` bytes of Windows-1251 text, as stored (padding included).
    QString text(int width);
    void skip(int count);

    bool ok() const { return ok_; }
    int position() const { return pos_; }

private:
    // True when `count` more bytes can be read; otherwise marks the record broken.
    bool take(int count);

    QByteArray data_;
    int pos_ = 0;
    bool ok_ = true;
};

} // namespace zorna
