// A task window's used-picture file ("N.$$$" in the working folder): whatever it
// holds, a window opening on it loads, draws a picture of its own range and
// writes the file again.
#include "fuzz_input.h"
#include "doubles/scripted_rnd.h"
#include "tasks/common/used_pictures.h"

using namespace zorna;

namespace {

// Picture counts and record sizes the task windows use.
struct DeckShape {
    int pictures;
    int slotCount;
};
constexpr DeckShape kShapes[] = {{11, 11}, {9, 11}, {11, 14}, {14, 14}};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (const DeckShape& shape : kShapes) {
        const QString path = fuzz::writeScratchFile(QStringLiteral("2.$$$"), data, size);
        PictureDeck deck(path, shape.pictures, shape.slotCount);
        deck.load();
        deck.resetIfAllShown();
        ScriptedRnd rnd;
        rnd.useSeededFallback(quint32(size));
        const int n = deck.drawPicture(rnd);
        fuzz::expect(n >= 1 && n <= shape.pictures, "the drawn picture is one of the window's");
        deck.finish(size % 2 == 0);
    }
    return 0;
}
