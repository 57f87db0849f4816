#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

namespace zorna::assets {

// Writes the files of the program folder. Pictures get the exact sizes the
// windows expect; a generator that finds a picture it cannot make right calls
// fail(), and the build stops.
class AssetWriter {
public:
    AssetWriter(QString outDir, QString contactSheetDir);

    // Full path of a file under the program folder; its folder is created.
    // The file is noted in the list of written files.
    QString path(const QString& relative) const;
    // Every file written so far, relative to the program folder, sorted, once each.
    QStringList writtenFiles() const;

    void jpeg(const QString& relative, const QImage& image, int quality = 92);
    void bmp(const QString& relative, const QImage& image);
    void png(const QString& relative, const QImage& image);
    // GIF with transparency where the image's alpha is below 128.
    void gif(const QString& relative, const QImage& image);
    // Windows cursor file (32-bit colour with alpha) with its hot spot.
    void cursor(const QString& relative, const QImage& image, int hotX, int hotY);
    void file(const QString& relative, const QByteArray& bytes);

    // A generator's check that did not hold; the generator exits with an error.
    void fail(const QString& message);
    int failures() const { return int(errors_.size()); }
    const QStringList& errors() const { return errors_; }

    // Contact sheets are written only when asked for (a review aid).
    bool wantsContactSheets() const { return !contactSheetDir_.isEmpty(); }
    // One PNG: a title line, then the pictures in a grid with their captions;
    // where an outline rectangle is given (non-null), it is drawn in red.
    void contactSheet(const QString& name, const QString& title, const QList<QImage>& pictures,
                      const QStringList& captions, const QList<QRect>& outlines = {});

private:
    QString outDir_;
    QString contactSheetDir_;
    QStringList errors_;
    mutable QStringList written_;
};

// A generator writes one part of the program folder.
struct Generator {
    const char* name;
    void (*run)(AssetWriter& writer);
};

} // namespace zorna::assets
