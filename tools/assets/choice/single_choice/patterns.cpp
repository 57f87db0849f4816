// Pattern windows: the exact copy (kletka17), the figure that stands for the
// question mark in a repeating row (kletka3) and the figure that continues a
// row following a rule (kletka12). Every row follows a rule computed here, and
// each picture is checked to have exactly one candidate that fits it.
#include "glyphs.h"
#include "rules/seeded_random.h"
#include "single_choice_draw.h"

#include <array>
#include <optional>
#include <vector>

namespace zorna::assets::sc {

namespace {

using rules::SeededRandom;

// ---- kletka17: exact copy -------------------------------------------------

constexpr int kGrid = 4;
using Pattern = std::array<std::optional<Glyph>, kGrid * kGrid>;

const int kCopyShapes[] = {Circle, Square, Triangle, Star, Cross};

Glyph randomElement(SeededRandom& rnd) {
    Glyph g;
    g.shape = kCopyShapes[rnd.below(5)];
    g.colour = rnd.below(kGlyphColours);
    g.filled = rnd.chance(70);
    g.turn = g.shape == Triangle ? 2 * rnd.below(4) : 0;
    return g;
}

Pattern randomPattern(SeededRandom& rnd) {
    Pattern p;
    std::vector<int> cells(kGrid * kGrid);
    for (int i = 0; i < kGrid * kGrid; ++i)
        cells[std::size_t(i)] = i;
    rnd.shuffle(cells);
    const int n = rnd.between(6, 8);
    for (int i = 0; i < n; ++i)
        p[std::size_t(cells[std::size_t(i)])] = randomElement(rnd);
    return p;
}

// One small change: a colour, a shape, a fill, a turn, a move to a free
// neighbouring cell, or one element left out.
Pattern changedOnce(const Pattern& original, SeededRandom& rnd, int kind) {
    Pattern p = original;
    std::vector<int> used;
    for (int i = 0; i < kGrid * kGrid; ++i)
        if (p[std::size_t(i)])
            used.push_back(i);
    const int at = rnd.pick(used);
    Glyph& g = *p[std::size_t(at)];
    switch (kind) {
    case 0:
        g.colour = (g.colour + 1 + rnd.below(kGlyphColours - 1)) % kGlyphColours;
        break;
    case 1: {
        int s;
        do
            s = kCopyShapes[rnd.below(5)];
        while (s == g.shape);
        g.shape = s;
        g.turn = 0;
        break;
    }
    case 2:
        g.filled = !g.filled;
        break;
    case 3: {
        const int x = at % kGrid, y = at / kGrid;
        std::vector<int> free;
        for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
            const int nx = x + dx, ny = y + dy;
            if (nx >= 0 && ny >= 0 && nx < kGrid && ny < kGrid && !p[std::size_t(ny * kGrid + nx)])
                free.push_back(ny * kGrid + nx);
        }
        if (free.empty())
            return original;
        p[std::size_t(rnd.pick(free))] = g;
        p[std::size_t(at)].reset();
        break;
    }
    case 4:
        p[std::size_t(at)].reset();
        break;
    default:
        if (g.shape == Triangle)
            g.turn = (g.turn + 4) % 8;
        else
            g.filled = !g.filled;
        break;
    }
    return p;
}

void drawPattern(QPainter& p, const QRect& cell, const Pattern& pattern) {
    const QRectF area = QRectF(cell).adjusted(10, 10, -10, -10);
    const double step = area.width() / kGrid;
    p.save();
    p.setPen(QPen(QColor(215, 215, 215), 1));
    for (int i = 0; i <= kGrid; ++i) {
        p.drawLine(QPointF(area.left() + i * step, area.top()),
                   QPointF(area.left() + i * step, area.bottom()));
        p.drawLine(QPointF(area.left(), area.top() + i * step), QPointF(area.right(), area.top() + i * step));
    }
    p.restore();
    for (int i = 0; i < kGrid * kGrid; ++i)
        if (pattern[std::size_t(i)])
            drawGlyph(p,
                      QRectF(area.left() + (i % kGrid) * step, area.top() + (i / kGrid) * step, step, step)
                          .adjusted(3, 3, -3, -3),
                      *pattern[std::size_t(i)]);
}

// ---- rows that follow a rule (kletka3, kletka12) ---------------------------

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
int turnChange(SeededRandom& rnd) {
    if (rnd.chance(50))
        return 2;
    const bool eighth = rnd.chance(50);
    return eighth ? 1 : -2;
}

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

// Wrong candidates, all different from each other and from the right one.
std::vector<Glyph> misfits(const Glyph& right, const RowRule& rule, SeededRandom& rnd, int count) {
    std::vector<Glyph> out;
    for (int tries = 0; int(out.size()) < count && tries < 500; ++tries) {
        const Glyph g = misfit(right, rule, rnd);
        bool fresh = !(g == right);
        for (const Glyph& o : out)
            fresh = fresh && !(g == o);
        if (fresh)
            out.push_back(g);
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
    std::vector<Glyph> shown;
    std::size_t next = 0;
    for (int i = 1; i <= job.layout.regionCount; ++i)
        shown.push_back(i == job.answer ? right : (next < wrong.size() ? wrong[next++] : right));
    int fits = 0;
    for (const Glyph& g : shown)
        fits += g == right;
    if (fits != 1 || next != wrong.size())
        job.fail(QStringLiteral("%1 candidates fit the row's rule").arg(fits));
    for (int i = 1; i <= job.layout.regionCount; ++i) {
        const QRect cell = job.layout.region(i);
        drawCandidateCell(job.p, cell);
        const double side = std::min(rowSide, std::min(cell.width(), cell.height()) - 16.0);
        const QRectF box(cell.center().x() - side / 2, cell.center().y() - side / 2, side, side);
        drawGlyph(job.p, box, shown[std::size_t(i - 1)]);
    }
}

void drawRowBand(QPainter& p, const QRect& band) {
    p.save();
    p.setPen(QPen(QColor(170, 170, 170), 1));
    p.setBrush(QColor(244, 246, 252));
    p.drawRoundedRect(QRectF(band).adjusted(1, 1, -2, -2), 8, 8);
    p.restore();
}

// Repeating rows with a gap: cycles of shape, colour, fill, count or turn.
RowRule repeatingRule(int picture, SeededRandom& rnd) {
    RowRule r;
    std::vector<int> shapes{Circle, Square, Triangle, Star, Cross};
    rnd.shuffle(shapes);
    std::vector<int> colours{0, 1, 2, 3, 4};
    rnd.shuffle(colours);
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

// Rows with a direction: turning, growing, shrinking, cycling colours.
RowRule progressingRule(int picture, SeededRandom& rnd) {
    RowRule r;
    std::vector<int> colours{0, 1, 2, 3, 4};
    rnd.shuffle(colours);
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

void drawExactCopy(PictureJob& job) {
    SeededRandom rnd(job.seed());
    const Pattern original = randomPattern(rnd);
    std::vector<Pattern> wrong;
    std::vector<int> kinds{0, 1, 2, 3, 4, 5};
    rnd.shuffle(kinds);
    for (int tries = 0; wrong.size() < std::size_t(job.layout.regionCount - 1) && tries < 200; ++tries) {
        const Pattern c = changedOnce(original, rnd, kinds[std::size_t(tries) % kinds.size()]);
        bool fresh = !(c == original);
        for (const Pattern& o : wrong)
            fresh = fresh && !(c == o);
        if (fresh)
            wrong.push_back(c);
    }
    drawPattern(job.p, job.layout.main, original);
    drawFrame(job.p, job.layout.main, QColor(60, 60, 60), 2);
    std::size_t next = 0;
    int copies = 0;
    for (int i = 1; i <= job.layout.regionCount; ++i) {
        const Pattern& shown = i == job.answer ? original : wrong[std::min(next++, wrong.size() - 1)];
        copies += shown == original;
        drawCandidateCell(job.p, job.layout.region(i));
        drawPattern(job.p, job.layout.region(i), shown);
    }
    if (copies != 1 || wrong.size() != std::size_t(job.layout.regionCount - 1))
        job.fail(QStringLiteral("%1 exact copies").arg(copies));
}

void drawMissingInRow(PictureJob& job) {
    constexpr int kSlots = 6;
    for (int attempt = 0; attempt < 50; ++attempt) {
        SeededRandom rnd(job.seed(attempt));
        const RowRule rule = repeatingRule(job.picture, rnd);
        const int gap = rnd.between(3, kSlots - 1);
        // Every cycle must show, somewhere else in the row, the figure the gap repeats.
        bool solvable = true;
        for (int period : rule.periods()) {
            bool seen = false;
            for (int j = 0; j < kSlots; ++j)
                seen = seen || (j != gap && (j - gap) % period == 0);
            solvable = solvable && seen;
        }
        if (!solvable)
            continue;
        const Glyph right = rule.at(gap);
        const std::vector<Glyph> wrong = misfits(right, rule, rnd, job.layout.regionCount - 1);
        const QRect band = job.layout.main;
        drawRowBand(job.p, band);
        const double slot = band.width() / double(kSlots);
        const double side = std::min(slot - 14.0, band.height() - 30.0);
        for (int i = 0; i < kSlots; ++i) {
            const QRectF box(band.left() + i * slot + (slot - side) / 2, band.center().y() - side / 2, side,
                             side);
            if (i == gap)
                drawQuestionMark(job.p, box.adjusted(-4, -4, 4, 4));
            else
                drawGlyph(job.p, box, rule.at(i));
        }
        placeRowCandidates(job, rule, right, wrong, side);
        return;
    }
    job.fail(QStringLiteral("no solvable row"));
}

void drawRowContinues(PictureJob& job) {
    constexpr int kShown = 5;
    SeededRandom rnd(job.seed());
    const RowRule rule = progressingRule(job.picture, rnd);
    const Glyph right = rule.at(kShown);
    const std::vector<Glyph> wrong = misfits(right, rule, rnd, job.layout.regionCount - 1);
    const QRect band = job.layout.main;
    drawRowBand(job.p, band);
    const double slot = band.width() / double(kShown);
    const double side = std::min(slot - 18.0, band.height() - 34.0);
    for (int i = 0; i < kShown; ++i) {
        const QRectF box(band.left() + i * slot + (slot - side) / 2, band.center().y() - side / 2, side,
                         side);
        drawGlyph(job.p, box, rule.at(i));
    }
    for (int i = 0; i <= kShown; ++i)
        if (rule.at(i).count < 1 || rule.at(i).count > 6)
            job.fail(QStringLiteral("the row counts past what a figure can show"));
    placeRowCandidates(job, rule, right, wrong, side);
}

} // namespace zorna::assets::sc
