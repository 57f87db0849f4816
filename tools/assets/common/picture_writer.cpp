#include "common/picture_writer.h"

#include "rules/picture_names.h"

#include <QPainter>

namespace zorna::assets {

ContactSheet::ContactSheet(AssetWriter& w, QString name, QString title)
    : w_(w), name_(std::move(name)), title_(std::move(title)) {}

ContactSheet::~ContactSheet() {
    w_.contactSheet(name_, title_, pictures_, captions_, outlines_);
}

void ContactSheet::add(const QImage& picture, const QString& caption, const QRect& outline) {
    if (!w_.wantsContactSheets())
        return;
    pictures_.append(picture);
    captions_.append(caption);
    outlines_.append(outline);
}

namespace {

void writeAt(AssetWriter& w, const QString& name, const QImage& image, int jpegQuality) {
    const QString suffix = name.mid(name.lastIndexOf(QLatin1Char('.')) + 1).toLower();
    if (suffix == QLatin1String("jpg"))
        w.jpeg(name, image, jpegQuality);
    else if (suffix == QLatin1String("bmp"))
        w.bmp(name, image);
    else if (suffix == QLatin1String("png"))
        w.png(name, image);
    else if (suffix == QLatin1String("gif"))
        w.gif(name, image);
    else
        w.fail(QStringLiteral("%1: no picture format for its suffix").arg(name));
}

} // namespace

QImage writePicture(AssetWriter& w, const QString& name, const DrawPicture& draw,
                    const PictureOptions& options) {
    const QImage picture = draw(1);
    writeAt(w, name, picture, options.jpegQuality);
    const QString source = rules::hiDpiName(name);
    writeAt(w, source, draw(2), options.jpegQuality);
    if (options.sheet)
        options.sheet->add(picture, options.caption.isEmpty() ? name : options.caption, options.outline);
    return picture;
}

ScaledPainting::ScaledPainting(const QSize& size, int scale, const QColor& ground)
    : image_(size * scale, QImage::Format_RGB32) {
    image_.fill(ground);
    painter_.begin(&image_);
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform);
    painter_.scale(scale, scale);
}

QImage ScaledPainting::finish() {
    painter_.end();
    return image_;
}

QImage enlargedForSheet(const QImage& image, int factor, const QColor& background) {
    QImage out(image.size() * factor, QImage::Format_RGB32);
    out.fill(background);
    QPainter p(&out);
    p.drawImage(QRect(QPoint(0, 0), out.size()), image);
    return out;
}

} // namespace zorna::assets
