#pragma once

// Rows of figures that follow a rule (kletka3, kletka12): the rule, the wrong
// candidates that look plausible, and the row band with its candidates.

#include "choice/single_choice/glyphs.h"
#include "choice/single_choice/single_choice_draw.h"
#include "rules/seeded_random.h"

#include <vector>

namespace zorna::assets::sc {

struct RowRule {
    std::vector<int> shapes{Circle};
    std::vector<int> colours{0};
    std::vector<bool> fills{true};
    std::vector<int> counts{1};
    int turnStart = 0, turnStep = 0;
    int countStart = 0, countStep = 0; // a growing or shrinking count instead of the cycle

    Glyph at(int i) const {
        Glyph g;
        g.shape = shapes[std::size_t(i) % shapes.size()];
        g.colour = colours[std::size_t(i) % colours.size()];
        g.filled = fills[std::size_t(i) % fills.size()];
        g.count = countStep != 0 ? countStart + countStep * i : counts[std::size_t(i) % counts.size()];
        g.turn = turnStart + turnStep * i;
        return g;
    }
    // The lengths of the cycles a pupil has to see repeat.
    std::vector<int> periods() const {
        std::vector<int> out;
        for (std::size_t n : {shapes.size(), colours.size(), fills.size(), countStep ? 1 : counts.size()})
            if (n > 1)
                out.push_back(int(n));
        return out;
    }
};

// A quarter turn either way or an eighth forward; two draws, one per statement.
int turnChange(rules::SeededRandom& rnd);

// Wrong candidates, all different from each other and from the right one.
std::vector<Glyph> misfits(const Glyph& right, const RowRule& rule, rules::SeededRandom& rnd, int count);

// Checks that exactly one candidate is the rule's figure and places them.
void placeRowCandidates(PictureJob& job, const RowRule& rule, const Glyph& right,
                        const std::vector<Glyph>& wrong, double rowSide);

void drawRowBand(QPainter& p, const QRect& band);

// Where the figures of a row stand in its band: squares centred in `count` equal
// slots, `narrower` less wide than a slot and `lower` less high than the band.
struct RowPlaces {
    double side = 0;
    std::vector<QRectF> boxes;
};
RowPlaces rowPlaces(const QRect& band, int count, double narrower, double lower);

} // namespace zorna::assets::sc
