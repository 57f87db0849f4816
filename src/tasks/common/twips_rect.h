#pragma once

namespace zorna {

// A control's rectangle as the window layouts give it, in twips (15 to a pixel).
struct TwipsRect {
    int left, top, width, height;
};

} // namespace zorna
