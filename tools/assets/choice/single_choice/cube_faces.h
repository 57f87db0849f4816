#pragma once

// Cube nets and boxes of kletka7 and kletka9: faces with marks, some of which
// show their turn (an arrow, a corner, a half), folded on the cube model of
// rules/cube_net.h, and drawn flat or as a box.

#include "rules/cube_net.h"
#include "rules/seeded_random.h"

#include <QPainter>
#include <QRectF>

#include <optional>

namespace zorna::assets::sc {

using rules::BoxView;
using rules::FaceMark;
using rules::FoldedCube;
using rules::MarkSymmetry;
using rules::Net;
using rules::Rotation;
using rules::SeededRandom;

enum Mark { Dot, UpArrow, Bar, Corner, Plus, Half, kMarks };
inline const MarkSymmetry kSymmetry{1, 4, 2, 4, 1, 4};

void drawNet(QPainter& p, const QRectF& area, const Net& net);

void drawBox(QPainter& p, const QRectF& area, const BoxView& view);

// A random net of one of the eleven shapes, laid wide when `wide`.
Net randomNet(SeededRandom& rnd, int shapeIndex, bool wide);

Rotation randomRotation(SeededRandom& rnd);

// A net, the cube it folds into and that cube seen as a box from a random side.
struct FoldedNet {
    Net net;
    FoldedCube cube;
    BoxView box;
};

// A random net of shape `shape` (counted round the eleven shapes), laid wide
// when `wide`, folded and seen from a random side; nothing when it does not fold.
std::optional<FoldedNet> randomFoldedNet(SeededRandom& rnd, int shape, bool wide);

bool sameBox(const BoxView& a, const BoxView& b);

FaceMark* faceOf(BoxView& v, int i);

} // namespace zorna::assets::sc
