#include "platform/font_preload.h"

#include <fontconfig/fontconfig.h>

namespace zorna {

FontConfigPreload::FontConfigPreload() : reader_([] { FcInit(); }) {}

FontConfigPreload::~FontConfigPreload() {
    wait();
}

void FontConfigPreload::wait() {
    if (reader_.joinable())
        reader_.join();
}

} // namespace zorna
