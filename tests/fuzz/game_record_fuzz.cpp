// date.dat of a saved game: the reader must refuse or accept any bytes without
// harm, and an accepted record must survive being saved and read again.
#include "board/game_files.h"
#include "fuzz_input.h"

using namespace zorna;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::writeScratchFile(QLatin1String(gamefiles::kDateFile), data, size);
    const std::optional<GameRecord> record = gamefiles::readGameRecord(fuzz::scratchFolder());
    if (!record)
        return 0;
    const QByteArray saved = record->toBytes();
    fuzz::expect(saved.size() == GameRecord::kDataSize, "a saved record has the record's size");
    const std::optional<GameRecord> again = GameRecord::fromBytes(saved);
    fuzz::expect(again.has_value(), "a saved record reads back");
    fuzz::expect(again->toBytes() == saved, "a saved record reads back unchanged");
    return 0;
}
