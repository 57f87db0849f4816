#include "platform/records.h"

#include <QHash>
#include <QStringDecoder>

namespace zorna {

namespace {

// The code page as a table built once from the system codec: byte -> character
// and back. Bytes the code leaves undefined map to nothing.
struct CodePage {
    QString toUnicode[256];
    QHash<QString, char> fromUnicode;

    CodePage() {
        QStringDecoder decoder("windows-1251", QStringConverter::Flag::Stateless);
        for (int b = 0; b < 256; ++b) {
            const QString c = decoder.decode(QByteArray(1, char(b)));
            if (c.size() != 1 || c.at(0) == QChar::ReplacementCharacter)
                continue;
            toUnicode[b] = c;
            fromUnicode.insert(c, char(b));
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
