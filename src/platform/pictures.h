#pragma once

#include "platform/program_folder.h"
#include "rules/drawings.h"

#include <QIcon>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QString>
#include <QStringList>

#include <thread>

namespace zorna {

// Pictures of the program folder on screens of any pixel density. Beside a
// picture "name.ext" the program folder may hold "name@2x.ext": the same
// picture drawn at twice the size, for screens that show two device pixels per
// window pixel. A BMP picture's is "name@2x.png" (compressed: an uncompressed
// BMP of four times the pixels would be needlessly large).

// "kletka2/1.jpg" -> "kletka2/1@2x.jpg", "kletka24/1.bmp" -> "kletka24/1@2x.png".
QString hiDpiVariant(const QString& path);

// Reads a picture file. BMP, PNG, JPEG (.jpg, .jpeg) and GIF files are read
// in the format their suffix names: left to guess, Qt loads every image plugin
// and asks each about the file, which costs several milliseconds. Other
// formats, and a file the named reader refuses, take the usual way.
QImage readImage(const QString& path);
QPixmap readPicture(const QString& path);

// The picture at the path, from its 2x source when devicePixelRatio is above 1
// and that source exists; either way it covers the same window pixels. A null
// pixmap when the file is missing or unreadable. Pictures read once are kept
// in Qt's pixmap cache (a file changed since is read anew).
QPixmap loadPicture(const QString& path, qreal devicePixelRatio);
// The same for the application's screens.
QPixmap loadPicture(const QString& path);
// The pictures at the paths, in their order, as loadPicture gives each.
QList<QPixmap> loadPictures(const QStringList& paths, qreal devicePixelRatio);
QList<QPixmap> loadPictures(const QStringList& paths);

// A large picture read on another core while the window that shows it is
// built (the board's map). Its owner takes it once, on the GUI thread: take()
// waits for the reader when it has not finished, and so does the destructor.
// A picture already in the cache, or a missing file, starts no reader.
class PictureReadAhead {
public:
    PictureReadAhead(const QString& path, qreal devicePixelRatio);
    ~PictureReadAhead();
    PictureReadAhead(const PictureReadAhead&) = delete;
    PictureReadAhead& operator=(const PictureReadAhead&) = delete;

    // The picture as loadPicture would give it; null when the file is missing
    // or unreadable. Later calls give the same picture.
    QPixmap take();

private:
    const QString path_;
    QString file_;          // the file the reader reads: the picture or its 2x source
    qreal fileRatio_ = 1.0; // that file's pixel ratio
    QString cacheKey_;      // empty when there is no such file
    QImage image_;          // written by the reader, read after it is joined
    QPixmap picture_;
    std::thread reader_;
};

// The windows' icon, from the program folder's icons/N.png in the sizes that
// window managers draw in title bars, task bars and switchers (16 to 64
// pixels). Every window hands its icon to the display as it is made, and the
// 128 and 256 pixel ones would make that cost more than a millisecond per
// window; launchers take those from the installed icon theme.
QIcon windowIcon(const ProgramFolder& folder);

// A drawing of the program folder (rules/drawings.h), drawn by the generator
// at the size its window shows it, as loadPicture gives it: from its 2x
// source on a screen of two device pixels per window pixel. Null when its
// picture is missing.
QPixmap loadDrawing(const ProgramFolder& folder, const rules::Drawing& drawing, qreal devicePixelRatio);
QPixmap loadDrawing(const ProgramFolder& folder, const rules::Drawing& drawing);

} // namespace zorna
