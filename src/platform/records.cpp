#include "platform/records.h"

#include <QHash>

namespace zorna {

namespace {

// Windows-1251 above ASCII, byte 0x80 + i -> character (0x98, which the code
// page leaves undefined, reads as U+0098, as ICU reads it). A table of its own
// rather than Qt's codec: Qt converts code pages through ICU, which its
// Windows build does not have.
constexpr char16_t kUpperHalf[128] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F, // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, // B8
    // C0..FF: А..я
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, 0x0418, 0x0419, 0x041A, 0x041B, 0x041C,
    0x041D, 0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429,
    0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F, 0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436,
    0x0437, 0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443,
    0x0444, 0x0445, 0x0446, 0x0447, 0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F};

// The code page both ways, built once: byte -> character and back.
struct CodePage {
    QString toUnicode[256];
    QHash<QString, char> fromUnicode;

    CodePage() {
        for (int b = 0; b < 256; ++b) {
            toUnicode[b] = QString(QChar(b < 0x80 ? char16_t(b) : kUpperHalf[b - 0x80]));
            fromUnicode.insert(toUnicode[b], char(b));
        }
    }
};

const CodePage& codePage() {
    static const CodePage page;
    return page;
}

} // namespace

QByteArray toWindows1251(const QString& text) {
    const CodePage& page = codePage();
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        // A character outside the basic plane is one unmappable character.
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            out.append('?');
            ++i;
            continue;
        }
        out.append(page.fromUnicode.value(QString(text.at(i)), '?'));
    }
    return out;
}

QString fromWindows1251(const QByteArray& bytes) {
    const CodePage& page = codePage();
    QString out;
    out.reserve(bytes.size());
    for (char b : bytes) {
        const QString& c = page.toUnicode[quint8(b)];
        out.append(c.isEmpty() ? QString(QChar::ReplacementCharacter) : c);
    }
    return out;
}

std::optional<char32_t> firstUnencodable(const QString& text) {
    const CodePage& page = codePage();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            return QChar::surrogateToUcs4(c, text.at(i + 1));
        if (!page.fromUnicode.contains(QString(c)))
            return char32_t(c.unicode());
    }
    return std::nullopt;
}

void RecordWriter::int16(qint16 value) {
    const auto u = quint16(value);
    data_.append(char(u & 0xff));
    data_.append(char(u >> 8));
}

void RecordWriter::text(const QString& value, int width) {
    QByteArray b = toWindows1251(value).left(width);
    b.append(QByteArray(width - b.size(), ' '));
    data_.append(b);
}

bool RecordReader::take(int count) {
    // Counted against what is left, so no count (negative or huge) can move the
    // reader outside the data or overflow.
    if (count < 0 || count > data_.size() - pos_) {
        ok_ = false;
        pos_ = int(data_.size());
        return false;
    }
    return true;
}

qint16 RecordReader::int16() {
    if (!take(2))
        return 0;
    const auto lo = quint8(data_[pos_]);
    const auto hi = quint8(data_[pos_ + 1]);
    pos_ += 2;
    return qint16(quint16(lo | (hi << 8)));
}

QString RecordReader::text(int width) {
    if (!take(width))
        return {};
    QString s = fromWindows1251(data_.mid(pos_, width));
    pos_ += width;
    return s;
}

void RecordReader::skip(int count) {
    if (take(count))
        pos_ += count;
}

} // namespace zorna
