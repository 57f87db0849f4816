#pragma once

// Whether a difference between two versions of a picture is one a child sees
// at once: pixels whose colour changes clearly, forming one connected area
// large enough to notice.

#include <cstdint>
#include <vector>

namespace zorna::rules {

// A colour as 0xRRGGBB (any alpha in the top byte is ignored).
using Rgb = std::uint32_t;

// The largest difference of the red, green and blue channels, 0..255.
int channelDistance(Rgb a, Rgb b);

// A picture as rows of colours, row by row from the top.
struct Pixels {
    int width = 0, height = 0;
    std::vector<Rgb> colours;
    Rgb at(int x, int y) const { return colours[std::size_t(y * width + x)]; }
};

struct ChangeMeasure {
    int changedPixels = 0; // pixels whose colour changes by at least the threshold
    int largestArea = 0;   // the largest 8-connected area of such pixels
};

// Compares two pictures of the same size pixel by pixel; a pixel counts as
// changed when its channel distance is at least `threshold`.
ChangeMeasure measureChange(const Pixels& a, const Pixels& b, int threshold);

} // namespace zorna::rules
