#pragma once

// Writing a window's pictures: every picture at its size and, beside it, its
// source for screens of double pixel density, both drawn by one function; and
// the window's contact sheet for review.

#include "common/asset_writer.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>

namespace zorna::assets {

// Draws a picture at a scale: 1 for the picture the window shows, 2 for its
// double-size source.
using DrawPicture = std::function<QImage(int scale)>;

// One PNG of a window's pictures with their captions, written when the sheet
// goes out of scope (and only when contact sheets are asked for).
class ContactSheet {
public:
    ContactSheet(AssetWriter& w, QString name, QString title);
    ~ContactSheet();
    ContactSheet(const ContactSheet&) = delete;
    ContactSheet& operator=(const ContactSheet&) = delete;

    // A picture on the sheet; the outline, where given, is drawn in red.
    void add(const QImage& picture, const QString& caption, const QRect& outline = {});

private:
    AssetWriter& w_;
    QString name_;
    QString title_;
    QList<QImage> pictures_;
    QStringList captions_;
    QList<QRect> outlines_;
};

struct PictureOptions {
    int jpegQuality = 92;
    // The sheet the picture goes on, with its caption and outline.
    ContactSheet* sheet = nullptr;
    QString caption{};
    QRect outline{};
};

// Writes the picture `name` (relative to the program folder) drawn at scale 1
// and its double-size source drawn at scale 2, in the format the suffix names
// (jpg, bmp with a png source, png, gif); puts it on the sheet of the options
// and returns it.
QImage writePicture(AssetWriter& w, const QString& name, const DrawPicture& draw,
                    const PictureOptions& options = {});

// A picture painted at a scale (1, or 2 for the double-size source): the image
// filled with its ground and a painter on it, antialiased, drawing pictures
// smoothly, and scaled so that the painting is done in the picture's own units.
class ScaledPainting {
public:
    ScaledPainting(const QSize& size, int scale, const QColor& ground = Qt::white);
    ScaledPainting(const ScaledPainting&) = delete;
    ScaledPainting& operator=(const ScaledPainting&) = delete;

    QPainter& painter() { return painter_; }
    // Ends the painting and gives the picture.
    QImage finish();

private:
    QImage image_;
    QPainter painter_;
};

// A small picture enlarged `factor` times on a background, for a contact sheet.
QImage enlargedForSheet(const QImage& image, int factor, const QColor& background);

} // namespace zorna::assets
