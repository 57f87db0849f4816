// kletka12: the figure that continues a row with a direction: turning,
// growing, shrinking, cycling colours.
#include "choice/kletka12_data.h"
#include "choice/single_choice/pattern_rows.h"
#include "generators.h"

namespace zorna::assets::sc {

namespace {

using namespace kletka12;
using rules::SeededRandom;

// Rows with a direction: turning, growing, shrinking, cycling colours.
RowRule progressingRule(int picture, SeededRandom& rnd) {
    RowRule r;
    const std::vector<int> colours = rnd.shuffled(kRowColours);
    switch (picture % 6) {
    case 0: // an arrow turning an eighth each time
        r.shapes = {Arrow};
        r.colours = {colours[0]};
        r.turnStart = rnd.below(8);
        r.turnStep = rnd.chance(50) ? 1 : -1;
        break;
    case 1: // one more each time
        r.shapes = {rnd.chance(50) ? Circle : Star};
        r.colours = {colours[0]};
        r.countStart = 1;
        r.countStep = 1;
        break;
    case 2: // a clock hand turning a quarter, colours in a cycle of three
        r.shapes = {Clock};
        r.colours = {colours[0], colours[1], colours[2]};
        r.turnStart = 2 * rnd.below(4);
        r.turnStep = 2;
        break;
    case 3: // one fewer each time, shapes in two
        r.shapes = {Square, Triangle};
        r.colours = {colours[0]};
        r.countStart = 6;
        r.countStep = -1;
        break;
    case 4: // an arrow turning a quarter back, filled and outlined in turn
        r.shapes = {Arrow};
        r.colours = {colours[0]};
        r.fills = {true, false};
        r.turnStart = 2 * rnd.below(4);
        r.turnStep = -2;
        break;
    default: // colours in a cycle of three, one more each time
        r.shapes = {Circle};
        r.colours = {colours[0], colours[1], colours[2]};
        r.countStart = 1;
        r.countStep = 1;
        break;
    }
    return r;
}

} // namespace

void drawKletka12(PictureJob& job) {
    SeededRandom rnd(job.seed());
    const RowRule rule = progressingRule(job.picture, rnd);
    const Glyph right = rule.at(kShown);
    const std::vector<Glyph> wrong = misfits(right, rule, rnd, job.layout.regionCount - 1);
    const QRect band = job.layout.main;
    drawRowBand(job.p, band);
    const RowPlaces places = rowPlaces(band, kShown, 18, 34);
    for (int i = 0; i < kShown; ++i)
        drawGlyph(job.p, places.boxes[std::size_t(i)], rule.at(i));
    for (int i = 0; i <= kShown; ++i)
        if (rule.at(i).count < 1 || rule.at(i).count > 6)
            job.fail(QStringLiteral("the row counts past what a figure can show"));
    placeRowCandidates(job, rule, right, wrong, places.side);
}

} // namespace zorna::assets::sc
