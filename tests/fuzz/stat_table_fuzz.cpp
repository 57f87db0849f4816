// statist.dat of a saved game: any bytes are read or refused without harm, and
// a table that was read saves back to the bytes it came from, each count
// brought into 0..32767 (a damaged negative count reads as 0).
#include "board/game_files.h"
#include "fuzz_input.h"

#include <algorithm>

using namespace zorna;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::writeScratchFile(QLatin1String(gamefiles::kStatFile), data, size);
    const std::optional<StatTable> table = gamefiles::readStatTable(fuzz::scratchFolder());
    if (!table)
        return 0;
    QByteArray expected = fuzz::bytes(data, size).left(2 * StatTable::kSize);
    for (int i = 0; i + 1 < expected.size(); i += 2) {
        const auto count = qint16(quint8(expected[i]) | (quint8(expected[i + 1]) << 8));
        if (count < 0)
            expected[i] = expected[i + 1] = '\0';
    }
    fuzz::expect(table->toBytes() == expected, "a table saves back to the bytes it was read from");
    return 0;
}
