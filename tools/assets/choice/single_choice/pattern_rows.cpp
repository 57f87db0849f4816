#include "choice/single_choice/pattern_rows.h"

#include <algorithm>
#include <optional>

namespace zorna::assets::sc {

using rules::SeededRandom;

namespace {

// True when the two figures differ in nothing but their turn.
bool onlyTurned(const Glyph& a, const Glyph& b) {
    Glyph same = a;
    same.turn = b.turn;
    return same == b && !(a == b);
}

// A wrong candidate: the right figure with one or two things changed, taken
// where possible from the other figures of the row so it looks plausible.
Glyph misfit(const Glyph& right, const RowRule& rule, SeededRandom& rnd) {
    Glyph g = right;
    const int changes = rnd.chance(35) ? 2 : 1;
    for (int c = 0; c < changes; ++c) {
        switch (rnd.below(5)) {
        case 0:
            g.colour =
                rule.colours.size() > 1 && rnd.chance(70) ? rnd.pick(rule.colours) : rnd.below(kGlyphColours);
            break;
        case 1:
            if (rule.shapes.size() > 1 && rnd.chance(70)) {
                g.shape = rnd.pick(rule.shapes);
            } else {
                static const std::vector<int> plain{Circle, Square, Triangle, Star, Arrow, Cross};
                g.shape = rnd.pick(plain);
            }
            break;
        case 2:
            // A turned copy of the right figure "is" that figure to a young pupil, so
            // turning is a wrong candidate's change only where the row's rule turns.
            if (rule.turnStep != 0 && hasDirection(g.shape))
                g.turn += turnChange(rnd);
            else
                g.filled = !g.filled;
            break;
        case 3:
            g.count = std::clamp(g.count + (rnd.chance(50) ? 1 : -1), 1, 6);
            break;
        default:
            g.filled = !g.filled;
            break;
        }
    }
    return g;
}

} // namespace

// A quarter turn either way or an eighth forward; two draws, one per statement.
int turnChange(SeededRandom& rnd) {
    if (rnd.chance(50))
        return 2;
    const bool eighth = rnd.chance(50);
    return eighth ? 1 : -2;
}

// Wrong candidates, all different from each other and from the right one.
std::vector<Glyph> misfits(const Glyph& right, const RowRule& rule, SeededRandom& rnd, int count) {
    std::vector<Glyph> out;
    for (int tries = 0; int(out.size()) < count && tries < 500; ++tries) {
        takeIfNew(out, misfit(right, rule, rnd), right);
    }
    return out;
}

// Checks that exactly one candidate is the rule's figure and places them.
void placeRowCandidates(PictureJob& job, const RowRule& rule, const Glyph& right,
                        const std::vector<Glyph>& wrong, double rowSide) {
    for (const Glyph& g : wrong)
        if (rule.turnStep == 0 && onlyTurned(g, right))
            job.fail(
                QStringLiteral("a wrong candidate is the right figure turned, in a row that does not turn"));
    const std::vector<Glyph> shown = candidatesInRegionOrder(job, right, wrong);
    const auto fits = std::count(shown.begin(), shown.end(), right);
    if (fits != 1 || int(wrong.size()) != job.layout.regionCount - 1)
        job.fail(QStringLiteral("%1 candidates fit the row's rule").arg(fits));
    drawCandidates(job, shown, [&](const QRect& cell, const Glyph& g) {
        const double side = std::min(rowSide, std::min(cell.width(), cell.height()) - 16.0);
        const QRectF box(cell.center().x() - side / 2, cell.center().y() - side / 2, side, side);
        drawGlyph(job.p, box, g);
    });
}

void drawRowBand(QPainter& p, const QRect& band) {
    p.save();
    p.setPen(QPen(QColor(170, 170, 170), 1));
    p.setBrush(QColor(244, 246, 252));
    p.drawRoundedRect(QRectF(band).adjusted(1, 1, -2, -2), 8, 8);
    p.restore();
}

RowPlaces rowPlaces(const QRect& band, int count, double narrower, double lower) {
    RowPlaces places;
    const double slot = band.width() / double(count);
    places.side = std::min(slot - narrower, band.height() - lower);
    for (int i = 0; i < count; ++i)
        places.boxes.emplace_back(band.left() + i * slot + (slot - places.side) / 2,
                                  band.center().y() - places.side / 2, places.side, places.side);
    return places;
}

} // namespace zorna::assets::sc
