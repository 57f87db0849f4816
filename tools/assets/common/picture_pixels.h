#pragma once

// A QImage, or a part of it, as the plain pixel grid the picture rules measure.

#include "rules/visible_change.h"

#include <QImage>
#include <QRect>

namespace zorna::assets {

inline rules::Pixels pixelsOf(const QImage& image, const QRect& part) {
    const QImage rgb = image.copy(part).convertToFormat(QImage::Format_RGB32);
    rules::Pixels out;
    out.width = rgb.width();
    out.height = rgb.height();
    out.colours.reserve(std::size_t(out.width) * std::size_t(out.height));
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            out.colours.push_back(line[x] & 0xffffffu);
    }
    return out;
}

} // namespace zorna::assets
