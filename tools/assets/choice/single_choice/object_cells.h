#pragma once

// Candidates that are everyday objects of the colour emoji font (Kletka2,
// kletka4, kletka6): picked from a pool and placed under the answer regions.

#include "choice/single_choice/single_choice_draw.h"
#include "rules/seeded_random.h"

#include <QColor>
#include <QStringList>

#include <span>
#include <vector>

namespace zorna::assets::sc {

struct ObjectPair {
    const char* main;
    const char* answer;
};

QString str(const char* s);

QRectF inset(const QRect& r, double margin);

// Picks `count` different objects from the pool, none of them excluded.
QStringList pickFrom(rules::SeededRandom& rnd, std::span<const char* const> pool, const QStringList& excluded,
                     int count);

// Draws the right object under the answer region and the others under the
// other visible regions, in the order given.
void placeCandidates(PictureJob& job, const QString& right, const QStringList& others);

int visibleRegions(const PictureJob& job);

// The pair's main object framed in the main cell, its partner under the answer
// region and objects of the pool, picked by the picture's seed, under the other
// visible regions.
void drawFramedPair(PictureJob& job, const ObjectPair& pair, std::span<const char* const> pool,
                    const QColor& frame);

} // namespace zorna::assets::sc
