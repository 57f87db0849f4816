#include "common/emoji.h"

#include <QFont>
#include <QHash>
#include <QPainter>
#include <QRawFont>

namespace zorna::assets {

namespace {

const QString kEmojiFamily = QStringLiteral("Noto Color Emoji");
constexpr int kGlyphPixels = 109; // the size the font's colour bitmaps are drawn at
constexpr int kCanvas = 200;
constexpr int kDrawnAlpha = 8; // a pixel above this alpha belongs to the glyph

// The emoji font itself has the glyph: when it has not, Qt draws the
// character from another font, in grey or as a box.
bool fontHas(const QString& emoji) {
    QFont font(kEmojiFamily);
    font.setPixelSize(kGlyphPixels);
    const QRawFont raw = QRawFont::fromFont(font);
    return raw.familyName() == kEmojiFamily && raw.supportsCharacter(emoji.toUcs4().value(0));
}

} // namespace

QImage emojiImage(const QString& emoji) {
    static QHash<QString, QImage> cache;
    if (auto it = cache.constFind(emoji); it != cache.constEnd())
        return *it;
    if (!fontHas(emoji)) {
        cache.insert(emoji, QImage());
        return {};
    }
    QImage canvas(kCanvas, kCanvas, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter p(&canvas);
        QFont font(kEmojiFamily);
        font.setPixelSize(kGlyphPixels);
        p.setFont(font);
        p.drawText(canvas.rect(), Qt::AlignCenter, emoji);
    }
    int left = canvas.width(), top = canvas.height(), right = -1, bottom = -1;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            if (qAlpha(canvas.pixel(x, y)) > kDrawnAlpha) {
                left = qMin(left, x);
                right = qMax(right, x);
                top = qMin(top, y);
                bottom = qMax(bottom, y);
            }
    QImage cropped;
    if (right >= 0)
        cropped = canvas.copy(left, top, right - left + 1, bottom - top + 1);
    cache.insert(emoji, cropped);
    return cropped;
}

bool drawEmoji(QPainter& painter, const QRectF& box, const QString& emoji) {
    const QImage image = emojiImage(emoji);
    if (image.isNull())
        return false;
    const double scale = qMin(box.width() / image.width(), box.height() / image.height());
    const QSizeF size(image.width() * scale, image.height() * scale);
    const QRectF target(box.center() - QPointF(size.width() / 2, size.height() / 2), size);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image);
    painter.restore();
    return true;
}

void drawEmojiText(QPainter& painter, const QString& emoji, const QPointF& centre, int pixelSize) {
    QFont font(kEmojiFamily);
    font.setPixelSize(pixelSize);
    painter.setFont(font);
    painter.setPen(Qt::black); // text is drawn with the pen; without one nothing shows
    painter.drawText(QRectF(centre.x() - pixelSize, centre.y() - pixelSize, 2.0 * pixelSize, 2.0 * pixelSize),
                     Qt::AlignCenter, emoji);
}

} // namespace zorna::assets
