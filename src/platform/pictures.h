#pragma once

#include "platform/program_folder.h"

#include <QIcon>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QString>
#include <QStringList>

#include <memory>

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
// The pictures at the paths, in their order, as loadPicture gives each; the
// files not yet in the cache are decoded side by side on the machine's cores.
QList<QPixmap> loadPictures(const QStringList& paths, qreal devicePixelRatio);
QList<QPixmap> loadPictures(const QStringList& paths);

// A picture that may still be on its way: read on another core while the
// window that shows it is built and shown. pixmap() gives it as loadPicture
// would, waiting for the decoder the first time when it has not finished. A
// picture already in the cache, or one no thread is free for, is ready at once
// or read by that first pixmap() itself.
class PendingPicture {
public:
    PendingPicture() = default;
    explicit PendingPicture(const QPixmap& ready) : picture_(ready) {}
    PendingPicture(const QString& path, qreal devicePixelRatio);
    // One owner waits for the decoder: moved, never copied.
    PendingPicture(PendingPicture&&) = default;
    PendingPicture& operator=(PendingPicture&&) = default;
    PendingPicture(const PendingPicture&) = delete;
    PendingPicture& operator=(const PendingPicture&) = delete;

    bool isPending() const { return state_ != nullptr; }
    // Null when the file is missing or unreadable.
    const QPixmap& pixmap() const;

private:
    struct State;
    mutable std::shared_ptr<State> state_;
    mutable QPixmap picture_;
};

// The windows' icon, from the program folder's icons/N.png in the sizes that
// window managers draw in title bars, task bars and switchers (16 to 64
// pixels). Every window hands its icon to the display as it is made, and the
// 128 and 256 pixel ones would make that cost more than a millisecond per
// window; launchers take those from the installed icon theme.
QIcon windowIcon(const ProgramFolder& folder);

// A picture stored with the windows (SVG), drawn on a transparent ground to
// cover size window pixels with as many device pixels as the screens show.
// Each drawing is kept for the run, so the cursors and buttons every task
// window makes are drawn once, not per window.
QPixmap renderSvg(const QString& resource, QSize size);
QPixmap renderSvg(const QString& resource, QSize size, qreal devicePixelRatio);

} // namespace zorna
