// statist.dat of a saved game: any bytes are read or refused without harm, and
// a table that was read saves back to the bytes it came from.
#include "board/game_files.h"
#include "fuzz_input.h"

using namespace zorna;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::writeScratchFile(QLatin1String(gamefiles::kStatFile), data, size);
    const std::optional<StatTable> table = gamefiles::readStatTable(fuzz::scratchFolder());
    if (!table)
        return 0;
    fuzz::expect(table->toBytes() == fuzz::bytes(data, size).left(2 * StatTable::kSize),
                 "a table saves back to the bytes it was read from");
    return 0;
}
