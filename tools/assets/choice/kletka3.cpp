// kletka3: the figure that stands for the question mark in a repeating row:
// cycles of shape, colour, fill, count or turn.
#include "choice/kletka3_data.h"
#include "choice/single_choice/pattern_rows.h"
#include "generators.h"

namespace zorna::assets::sc {

namespace {

using namespace kletka3;
using rules::SeededRandom;

// Repeating rows with a gap: cycles of shape, colour, fill, count or turn.
RowRule repeatingRule(int picture, SeededRandom& rnd) {
    RowRule r;
    const std::vector<int> shapes = rnd.shuffled(kRowShapes);
    const std::vector<int> colours = rnd.shuffled(kRowColours);
    switch (picture % 6) {
    case 0: // shapes in a cycle of three
        r.shapes = {shapes[0], shapes[1], shapes[2]};
        r.colours = {colours[0]};
        break;
    case 1: // shapes cycle in two, colours in three
        r.shapes = {shapes[0], shapes[1]};
        r.colours = {colours[0], colours[1], colours[2]};
        break;
    case 2: // an arrow turning a quarter turn each time
        r.shapes = {Arrow};
        r.colours = {colours[0]};
        r.turnStart = 2 * rnd.below(4);
        r.turnStep = 2;
        break;
    case 3: // counts 1, 2, 3 again and again, colours in two
        r.shapes = {shapes[0]};
        r.counts = {1, 2, 3};
        r.colours = {colours[0], colours[1]};
        break;
    case 4: // filled and outlined in turn, shapes in three
        r.shapes = {shapes[0], shapes[1], shapes[2]};
        r.fills = {true, false};
        r.colours = {colours[0]};
        break;
    default: // pairs: A A B A A B
        r.shapes = {shapes[0], shapes[0], shapes[1]};
        r.colours = {colours[0], colours[0], colours[1]};
        break;
    }
    return r;
}

} // namespace

void drawKletka3(PictureJob& job) {
    for (int attempt = 0; attempt < 50; ++attempt) {
        SeededRandom rnd(job.seed(attempt));
        const RowRule rule = repeatingRule(job.picture, rnd);
        const int gap = rnd.between(3, kRowSlots - 1);
        // Every cycle must show, somewhere else in the row, the figure the gap repeats.
        bool solvable = true;
        for (int period : rule.periods()) {
            bool seen = false;
            for (int j = 0; j < kRowSlots; ++j)
                seen = seen || (j != gap && (j - gap) % period == 0);
            solvable = solvable && seen;
        }
        if (!solvable)
            continue;
        const Glyph right = rule.at(gap);
        const std::vector<Glyph> wrong = misfits(right, rule, rnd, job.layout.regionCount - 1);
        const QRect band = job.layout.main;
        drawRowBand(job.p, band);
        const RowPlaces places = rowPlaces(band, kRowSlots, 14, 30);
        for (int i = 0; i < kRowSlots; ++i) {
            const QRectF& box = places.boxes[std::size_t(i)];
            if (i == gap)
                drawQuestionMark(job.p, box.adjusted(-4, -4, 4, 4));
            else
                drawGlyph(job.p, box, rule.at(i));
        }
        placeRowCandidates(job, rule, right, wrong, places.side);
        return;
    }
    job.fail(QStringLiteral("no solvable row"));
}

} // namespace zorna::assets::sc
