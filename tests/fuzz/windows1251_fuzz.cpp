// The Windows-1251 codec that every name and text in the game's files goes
// through, and the record reader built on it.
#include "fuzz_input.h"
#include "platform/records.h"

#include <QStringDecoder>

using namespace zorna;

namespace {

// Bytes -> text -> bytes gives the bytes back, except the one byte the code
// leaves undefined, which reads as U+FFFD and is saved as '?'.
void checkBytesRoundTrip(const QByteArray& input) {
    const QString text = fromWindows1251(input);
    fuzz::expect(text.size() == input.size(), "one character per byte");
    const QByteArray back = toWindows1251(text);
    fuzz::expect(back.size() == input.size(), "one byte per character");
    for (qsizetype i = 0; i < input.size(); ++i) {
        const bool undefined = text.at(i) == QChar::ReplacementCharacter;
        fuzz::expect(back.at(i) == (undefined ? '?' : input.at(i)), "a defined byte comes back as it was");
    }
}

// Any text -> bytes: one byte per character (a surrogate pair is one character),
// and what comes back is the character itself or '?'.
void checkTextRoundTrip(const QByteArray& input) {
    const QString text = QString::fromUtf8(input);
    const QByteArray saved = toWindows1251(text);
    const QString back = fromWindows1251(saved);
    qsizetype j = 0;
    for (qsizetype i = 0; i < text.size(); ++i, ++j) {
        fuzz::expect(j < back.size(), "no character is lost");
        const bool pair =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        if (pair) {
            fuzz::expect(back.at(j) == QLatin1Char('?'), "a character outside the code becomes '?'");
            ++i;
        } else {
            fuzz::expect(back.at(j) == text.at(i) || back.at(j) == QLatin1Char('?'),
                         "a character comes back as itself or '?'");
        }
    }
    fuzz::expect(j == back.size(), "no character is added");
}

// A record read in steps chosen by the input itself never reads past its end.
void checkRecordReader(const QByteArray& input) {
    RecordReader reader(input);
    for (qsizetype i = 0; i < input.size() && i < 64; ++i) {
        const int step = quint8(input.at(i));
        switch (step % 3) {
        case 0:
            reader.int16();
            break;
        case 1:
            reader.text(step / 3);
            break;
        default:
            reader.skip(step / 3 - 20);
            break;
        }
        fuzz::expect(reader.position() >= 0 && reader.position() <= input.size(), "the reader stays inside");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input = fuzz::bytes(data, size);
    checkBytesRoundTrip(input);
    checkTextRoundTrip(input);
    checkRecordReader(input);
    return 0;
}
