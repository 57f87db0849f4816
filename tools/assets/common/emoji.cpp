#include "emoji.h"

#include <QFont>
#include <QHash>
#include <QPainter>

namespace zorna::assets {

QImage emojiImage(const QString& emoji) {
    static QHash<QString, QImage> cache;
    if (auto it = cache.constFind(emoji); it != cache.constEnd())
        return *it;
    QImage canvas(200, 200, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter p(&canvas);
        QFont font(QStringLiteral("Noto Color Emoji"));
        font.setPixelSize(109);
        p.setFont(font);
        p.drawText(canvas.rect(), Qt::AlignCenter, emoji);
    }
    int left = canvas.width(), top = canvas.height(), right = -1, bottom = -1;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            if (qAlpha(canvas.pixel(x, y)) > 8) {
                left = qMin(left, x);
                right = qMax(right, x);
                top = qMin(top, y);
                bottom = qMax(bottom, y);
            }
    QImage cropped;
    // A missing glyph draws nothing, or a plain grey glyph from another font.
    if (right >= 0) {
        cropped = canvas.copy(left, top, right - left + 1, bottom - top + 1);
        bool colour = false;
        for (int y = 0; y < cropped.height() && !colour; ++y)
            for (int x = 0; x < cropped.width() && !colour; ++x) {
                const QRgb c = cropped.pixel(x, y);
                const int spread =
                    qMax(qRed(c), qMax(qGreen(c), qBlue(c))) - qMin(qRed(c), qMin(qGreen(c), qBlue(c)));
                colour = qAlpha(c) > 128 && spread > 12;
            }
        if (!colour)
            cropped = QImage();
    }
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

} // namespace zorna::assets
