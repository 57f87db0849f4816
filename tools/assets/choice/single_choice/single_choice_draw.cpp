#include "single_choice_draw.h"

#include "platform/geometry.h"

#include <QFontDatabase>
#include <QRawFont>

namespace zorna::assets::sc {

Layout layoutOf(const SingleChoiceRow& row) {
    Layout l;
    l.size = QSize(tw(row.picture.width), tw(row.picture.height));
    l.regionCount = row.regionCount;
    for (int i = 0; i < row.regionCount; ++i) {
        const TwipsRect& r = row.regions[std::size_t(i)];
        l.regions[std::size_t(i)] = twRect(r.left, r.top, r.width, r.height);
    }
    const int cell = tw(kCell);
    int leftmostTop = l.size.width();
    int rightmostTop = 0;
    int lowestTop = l.size.height();
    for (int i = 0; i < row.regionCount; ++i) {
        const QRect& r = l.regions[std::size_t(i)];
        lowestTop = std::min(lowestTop, r.top());
        if (r.top() < cell / 2) {
            leftmostTop = std::min(leftmostTop, r.left());
            rightmostTop = std::max(rightmostTop, r.left() + r.width());
        }
    }
    switch (row.windowNumber) {
    case 3:
    case 12: // a pattern row over the row of candidates
        l.main = QRect(0, 0, l.size.width(), lowestTop - 6);
        break;
    case 18: // the top-right cell
        l.main = QRect(rightmostTop + 8, 0, l.size.width() - rightmostTop - 8, cell);
        break;
    case 2:
    case 4:
    case 14:
    case 15:
    case 17: // the top-left cell, as large as a candidate's
        l.main = QRect(0, 0, cell, cell);
        break;
    default: // the top-left and top-middle cells
        l.main = QRect(0, 0, leftmostTop - 8, cell);
        break;
    }
    return l;
}

void PictureJob::fail(const QString& why) const {
    w.fail(QStringLiteral("kletka%1/%2.jpg: %3").arg(row.windowNumber).arg(picture).arg(why));
}

void drawCandidateCell(QPainter& p, const QRect& cell) {
    p.save();
    p.setPen(QPen(QColor(200, 200, 200), 1));
    p.setBrush(QColor(250, 250, 246));
    p.drawRect(cell.adjusted(0, 0, -1, -1));
    p.restore();
}

void drawFrame(QPainter& p, const QRect& r, const QColor& colour, int width) {
    p.save();
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    const int h = width / 2;
    p.drawRect(r.adjusted(h, h, -h - 1, -h - 1));
    p.restore();
}

Emoji::Emoji(AssetWriter& w) : w_(w) {
    ready_ = QFontDatabase::families().contains(QStringLiteral("Noto Color Emoji"));
    if (!ready_)
        w_.fail(QStringLiteral("the colour emoji font \"Noto Color Emoji\" is not installed"));
}

bool Emoji::has(const QString& emoji) {
    if (!ready_)
        return false;
    QFont font(QStringLiteral("Noto Color Emoji"));
    font.setPixelSize(64);
    const QRawFont raw = QRawFont::fromFont(font);
    const uint code = emoji.toUcs4().value(0);
    if (raw.familyName() != QLatin1String("Noto Color Emoji") || !raw.supportsCharacter(code)) {
        w_.fail(QStringLiteral("the emoji font has no glyph U+%1").arg(code, 4, 16, QLatin1Char('0')));
        return false;
    }
    return true;
}

QImage Emoji::render(const QString& emoji) {
    auto it = cache_.find(emoji);
    if (it != cache_.end())
        return *it;
    QImage big(200, 200, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    {
        QPainter p(&big);
        QFont font(QStringLiteral("Noto Color Emoji"));
        font.setPixelSize(109);
        p.setFont(font);
        p.drawText(big.rect(), Qt::AlignCenter, emoji);
    }
    // Crop to the pixels the glyph covers.
    int x0 = big.width(), y0 = big.height(), x1 = -1, y1 = -1;
    for (int y = 0; y < big.height(); ++y)
        for (int x = 0; x < big.width(); ++x)
            if (qAlpha(big.pixel(x, y)) > 16) {
                x0 = std::min(x0, x);
                y0 = std::min(y0, y);
                x1 = std::max(x1, x);
                y1 = std::max(y1, y);
            }
    QImage out = x1 < 0 ? QImage() : big.copy(x0, y0, x1 - x0 + 1, y1 - y0 + 1);
    if (out.isNull())
        w_.fail(QStringLiteral("the emoji %1 draws nothing").arg(emoji));
    cache_.insert(emoji, out);
    return out;
}

void Emoji::draw(QPainter& p, const QRectF& box, const QString& emoji) {
    if (!has(emoji))
        return;
    const QImage img = render(emoji);
    if (img.isNull())
        return;
    const QSizeF s = QSizeF(img.size()).scaled(box.size(), Qt::KeepAspectRatio);
    const QRectF target(box.center().x() - s.width() / 2, box.center().y() - s.height() / 2, s.width(),
                        s.height());
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(target, img);
    p.restore();
}

} // namespace zorna::assets::sc
