#pragma once

// The fourteen scenes of kletka24: the background of each, the object that
// changes and what it changes into, and the decorations with the areas they
// may stand in. The table is in kletka24_data.cpp; kletka24.cpp
// draws the backgrounds and the scenes.

#include <QColor>
#include <QList>
#include <QRect>

#include <functional>

class QPainter;

namespace zorna::assets::kletka24 {

using Background = std::function<void(QPainter&)>;

struct Decor {
    const char* emoji;
    QRect area; // where its box may lie
    int minSize, maxSize;
};

// The object in the changed region: an emoji drawn once or as a row (or a
// column, in a tall region) of `count` copies, on an optional backing that
// fills the region (a poster on the wall).
struct ChangedObject {
    const char* emoji;
    int count = 1;
    QColor backing = QColor();
};

struct Scene {
    const char* name;
    Background background;
    ChangedObject before;
    ChangedObject after;
    QList<Decor> decor;
};

// The backgrounds, drawn in kletka24.cpp.
void room(QPainter& p);
void yard(QPainter& p);
void tablecloth(QPainter& p);
void musicRoom(QPainter& p);
void kitchen(QPainter& p);
void park(QPainter& p);
void beach(QPainter& p);
void desk(QPainter& p);
void space(QPainter& p);
void street(QPainter& p);
void aquarium(QPainter& p);
void farm(QPainter& p);
void winter(QPainter& p);
void garden(QPainter& p);

// The scenes in the order of the pictures.
QList<Scene> scenes();

} // namespace zorna::assets::kletka24
