#include "choice_draw.h"

#include "platform/geometry.h"

#include <QFont>
#include <QHash>

namespace zorna::assets::choice {

namespace {

QImage trimmed(const QImage& image) {
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) > 8) {
                left = qMin(left, x);
                right = qMax(right, x);
                top = qMin(top, y);
                bottom = qMax(bottom, y);
            }
        }
    }
    if (right < 0)
        return {};
    return image.copy(QRect(QPoint(left, top), QPoint(right, bottom)));
}

} // namespace

QImage emoji(const QString& text, int size) {
    static QHash<QString, QImage> cache;
    QImage glyph = cache.value(text);
    if (glyph.isNull()) {
        QImage big(220, 220, QImage::Format_ARGB32_Premultiplied);
        big.fill(Qt::transparent);
        QPainter p(&big);
        QFont font(QStringLiteral("Noto Color Emoji"));
        font.setPixelSize(109);
        p.setFont(font);
        p.drawText(big.rect(), Qt::AlignCenter, text);
        p.end();
        glyph = trimmed(big.convertToFormat(QImage::Format_ARGB32));
        if (glyph.isNull())
            return {};
        cache.insert(text, glyph);
    }
    return glyph.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

void drawEmoji(QPainter& p, const QString& text, const QRect& box) {
    // On a painter scaled for a sharper source the glyph is scaled once, to the
    // device pixels, not drawn small and then blown up.
    const int scale = qMax(1, qRound(qAbs(p.deviceTransform().m11())));
    const QImage image = emoji(text, qMin(box.width(), box.height()) * scale);
    if (image.isNull())
        return;
    if (scale == 1) {
        p.drawImage(box.center().x() - image.width() / 2 + 1, box.center().y() - image.height() / 2 + 1,
                    image);
        return;
    }
    const QSizeF size(double(image.width()) / scale, double(image.height()) / scale);
    p.drawImage(
        QRectF(QPointF(box.center().x() - size.width() / 2 + 1, box.center().y() - size.height() / 2 + 1),
               size),
        image);
}

void drawLabel(QPainter& p, const QString& text, const QRect& box, int pixelSize, const QColor& colour) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    p.save();
    p.setFont(font);
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, text);
    p.restore();
}

QImage canvas(int width, int height, const QColor& fill) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

QSize boxSize(int widthTwips, int heightTwips) {
    return QSize(tw(widthTwips), tw(heightTwips));
}
QRect boxRect(int left, int top, int width, int height) {
    return twRect(left, top, width, height);
}

double imageDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return 255;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        const QRgb* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const QRgb* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            sum += qAbs(qRed(p[col]) - qRed(q[col])) + qAbs(qGreen(p[col]) - qGreen(q[col])) +
                   qAbs(qBlue(p[col]) - qBlue(q[col]));
    }
    return sum / (3.0 * x.width() * x.height());
}

} // namespace zorna::assets::choice
