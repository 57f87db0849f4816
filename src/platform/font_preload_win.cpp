#include "platform/font_preload.h"

namespace zorna {

// Windows has no font configuration to read ahead: its font list comes from
// the system when Qt first asks, and the game's families are the system's own.
FontConfigPreload::FontConfigPreload() = default;

FontConfigPreload::~FontConfigPreload() = default;

void FontConfigPreload::wait() {}

} // namespace zorna
