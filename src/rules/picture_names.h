#pragma once

// Names of the pictures and cursors in the program folder, relative to it:
// the generator writes them under these names and the game reads them.

#include <QString>

namespace zorna::rules {

// The board's map, a chip of player 1..3 in pose 1..4, the registration
// window's button pictures.
inline QString mapPicture() {
    return QStringLiteral("map.png");
}
inline QString chipPicture(int player, int pose) {
    return QStringLiteral("guk%1%2.gif").arg(player).arg(pose);
}
inline QString openButtonPicture() {
    return QStringLiteral("open.bmp");
}
inline QString newButtonPicture() {
    return QStringLiteral("new.bmp");
}

// The cursors of the task windows: the pointing hand over an answer region,
// the grabbing hand while it is pressed, the arrow over a film frame.
inline QString pointCursor() {
    return QStringLiteral("h_point.cur");
}
inline QString moveCursor() {
    return QStringLiteral("h_move.cur");
}
inline QString frameCursor() {
    return QStringLiteral("h_nw.cur");
}

// Every task window N keeps its pictures in the folder "kletkaN".
inline QString taskFolder(int windowNumber) {
    return QStringLiteral("kletka%1").arg(windowNumber);
}
// A file of that folder: "kletka26" and "apple.jpg" make "kletka26/apple.jpg".
inline QString taskFile(int windowNumber, const QString& name) {
    return taskFolder(windowNumber) + QLatin1Char('/') + name;
}
// Task picture n: "kletka17/3.jpg".
inline QString taskPicture(int windowNumber, int picture, const QString& extension = QStringLiteral("jpg")) {
    return taskFile(windowNumber, QString::number(picture) + QLatin1Char('.') + extension);
}

// Beside a picture "name.ext" the program folder holds "name@2x.ext": the same
// picture drawn at twice the size, for screens that show two device pixels per
// window pixel. A BMP picture's is "name@2x.png" (an uncompressed BMP of four
// times the pixels would be needlessly large):
// "kletka2/1.jpg" -> "kletka2/1@2x.jpg", "kletka24/1.bmp" -> "kletka24/1@2x.png".
inline QString hiDpiName(const QString& path) {
    const int slash = int(path.lastIndexOf(QLatin1Char('/')));
    const int dot = int(path.lastIndexOf(QLatin1Char('.')));
    const int end = dot > slash ? dot : int(path.size());
    const QString suffix = path.mid(end);
    return path.left(end) + QStringLiteral("@2x") +
           (suffix.compare(QLatin1String(".bmp"), Qt::CaseInsensitive) == 0 ? QStringLiteral(".png")
                                                                            : suffix);
}

} // namespace zorna::rules
