#include "asset_writer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QPainter>

#include <gif_lib.h>

#include <fcntl.h>
#include <unistd.h>

namespace zorna::assets {

namespace {

void put16(QByteArray& b, int v) {
    b.append(char(v & 0xff));
    b.append(char((v >> 8) & 0xff));
}

void put32(QByteArray& b, quint32 v) {
    put16(b, int(v & 0xffff));
    put16(b, int(v >> 16));
}

// Palette of at most 255 opaque colours; more colours are reduced to a 6 x 7 x 6 cube.
QList<QRgb> opaquePalette(const QImage& image, bool& reduce) {
    QHash<QRgb, int> seen;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) >= 128)
                seen.insert(p | 0xff000000u, 0);
        }
    reduce = seen.size() > 255;
    QList<QRgb> palette;
    if (!reduce) {
        palette = seen.keys();
        std::sort(palette.begin(), palette.end());
        return palette;
    }
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 7; ++g)
            for (int b = 0; b < 6; ++b)
                palette.append(qRgb(r * 51, g * 255 / 6, b * 51));
    return palette;
}

int cubeIndex(QRgb p) {
    const int r = (qRed(p) + 25) / 51;
    const int g = (qGreen(p) * 6 + 127) / 255;
    const int b = (qBlue(p) + 25) / 51;
    return (r * 7 + g) * 6 + b;
}

} // namespace

AssetWriter::AssetWriter(QString outDir, QString contactSheetDir)
    : outDir_(std::move(outDir)), contactSheetDir_(std::move(contactSheetDir)) {
    QDir().mkpath(outDir_);
}

QString AssetWriter::path(const QString& relative) const {
    const QString full = outDir_ + QLatin1Char('/') + relative;
    QDir().mkpath(QFileInfo(full).absolutePath());
    written_.append(relative);
    return full;
}

QStringList AssetWriter::writtenFiles() const {
    QStringList files = written_;
    files.sort();
    files.removeDuplicates();
    return files;
}

void AssetWriter::jpeg(const QString& relative, const QImage& image, int quality) {
    if (!image.convertToFormat(QImage::Format_RGB32).save(path(relative), "JPG", quality))
        fail(QStringLiteral("cannot write %1").arg(relative));
}

void AssetWriter::bmp(const QString& relative, const QImage& image) {
    if (!image.convertToFormat(QImage::Format_RGB888).save(path(relative), "BMP"))
        fail(QStringLiteral("cannot write %1").arg(relative));
}

void AssetWriter::png(const QString& relative, const QImage& image) {
    if (!image.save(path(relative), "PNG"))
        fail(QStringLiteral("cannot write %1").arg(relative));
}

void AssetWriter::gif(const QString& relative, const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    bool reduce = false;
    const QList<QRgb> opaque = opaquePalette(image, reduce);
    // Index 0 is the transparent colour; the palette size must be a power of two.
    int size = 2;
    while (size < opaque.size() + 1)
        size *= 2;
    ColorMapObject* map = GifMakeMapObject(size, nullptr);
    map->Colors[0] = {255, 0, 255};
    QHash<QRgb, int> index;
    for (int i = 0; i < opaque.size(); ++i) {
        map->Colors[i + 1] = {GifByteType(qRed(opaque[i])), GifByteType(qGreen(opaque[i])),
                              GifByteType(qBlue(opaque[i]))};
        index.insert(opaque[i], i + 1);
    }
    for (int i = opaque.size() + 1; i < size; ++i)
        map->Colors[i] = {0, 0, 0};

    // giflib's own EGifOpenFileName makes files that only their owner can
    // read; made here anew, the file gets the usual mode (0666 less the umask)
    // also where an earlier run left one of those.
    const QByteArray file = QFile::encodeName(path(relative));
    ::unlink(file.constData());
    const int fd = ::open(file.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    int error = 0;
    GifFileType* gif = fd < 0 ? nullptr : EGifOpenFileHandle(fd, &error);
    if (!gif) {
        if (fd >= 0)
            ::close(fd);
        GifFreeMapObject(map);
        fail(QStringLiteral("cannot write %1").arg(relative));
        return;
    }
    EGifSetGifVersion(gif, true);
    EGifPutScreenDesc(gif, image.width(), image.height(), 8, 0, map);
    GraphicsControlBlock gcb{};
    gcb.DisposalMode = DISPOSAL_UNSPECIFIED;
    gcb.TransparentColor = 0;
    gcb.DelayTime = 0;
    GifByteType ext[4];
    const size_t len = EGifGCBToExtension(&gcb, ext);
    EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(len), ext);
    EGifPutImageDesc(gif, 0, 0, image.width(), image.height(), false, nullptr);
    std::vector<GifPixelType> line(image.width());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) < 128)
                line[x] = 0;
            else
                line[x] = GifPixelType(reduce ? cubeIndex(p) + 1 : index.value(p | 0xff000000u));
        }
        EGifPutLine(gif, line.data(), image.width());
    }
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
}

void AssetWriter::cursor(const QString& relative, const QImage& source, int hotX, int hotY) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width();
    const int h = image.height();
    const int maskStride = ((w + 31) / 32) * 4;
    QByteArray dib;
    put32(dib, 40);
    put32(dib, quint32(w));
    put32(dib, quint32(h * 2));
    put16(dib, 1);
    put16(dib, 32);
    put32(dib, 0);
    put32(dib, quint32(w * h * 4 + maskStride * h));
    put32(dib, 0);
    put32(dib, 0);
    put32(dib, 0);
    put32(dib, 0);
    for (int y = h - 1; y >= 0; --y)
        for (int x = 0; x < w; ++x) {
            const QRgb p = image.pixel(x, y);
            dib.append(char(qBlue(p)));
            dib.append(char(qGreen(p)));
            dib.append(char(qRed(p)));
            dib.append(char(qAlpha(p)));
        }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < w; ++x)
            if (qAlpha(image.pixel(x, y)) < 128)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        dib.append(row);
    }
    QByteArray out;
    put16(out, 0);
    put16(out, 2); // cursor
    put16(out, 1);
    out.append(char(w >= 256 ? 0 : w));
    out.append(char(h >= 256 ? 0 : h));
    out.append(char(0));
    out.append(char(0));
    put16(out, hotX);
    put16(out, hotY);
    put32(out, quint32(dib.size()));
    put32(out, 22);
    out.append(dib);
    file(relative, out);
}

void AssetWriter::file(const QString& relative, const QByteArray& bytes) {
    QFile f(path(relative));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        fail(QStringLiteral("cannot write %1").arg(relative));
}

void AssetWriter::fail(const QString& message) {
    errors_.append(message);
}

void AssetWriter::contactSheet(const QString& name, const QString& title, const QList<QImage>& pictures,
                               const QStringList& captions, const QList<QRect>& outlines) {
    if (!wantsContactSheets() || pictures.isEmpty())
        return;
    int cellW = 0;
    int cellH = 0;
    for (const QImage& p : pictures) {
        cellW = qMax(cellW, p.width());
        cellH = qMax(cellH, p.height());
    }
    const int columns = qMin(4, int(pictures.size()));
    const int rows = (int(pictures.size()) + columns - 1) / columns;
    const int pad = 12;
    const int captionH = 22;
    const int titleH = 70;
    QImage sheet(columns * (cellW + pad) + pad, titleH + rows * (cellH + captionH + pad) + pad,
                 QImage::Format_RGB32);
    sheet.fill(QColor(235, 235, 235));
    QPainter p(&sheet);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(15);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRect(pad, 4, sheet.width() - 2 * pad, titleH - 8),
               Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, title);
    for (int i = 0; i < pictures.size(); ++i) {
        const int x = pad + (i % columns) * (cellW + pad);
        const int y = titleH + (i / columns) * (cellH + captionH + pad);
        p.drawText(QRect(x, y, cellW, captionH), Qt::AlignLeft | Qt::AlignVCenter, captions.value(i));
        p.drawImage(x, y + captionH, pictures[i]);
        if (i < outlines.size() && !outlines[i].isNull()) {
            p.setPen(QPen(Qt::red, 3));
            p.setBrush(Qt::NoBrush);
            p.drawRect(outlines[i].translated(x, y + captionH));
            p.setPen(Qt::black);
        }
    }
    p.end();
    QDir().mkpath(contactSheetDir_);
    sheet.save(contactSheetDir_ + QLatin1Char('/') + name + QStringLiteral(".png"));
}

} // namespace zorna::assets
