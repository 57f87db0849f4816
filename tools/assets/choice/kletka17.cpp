// kletka17: the exact copy of the pattern in the frame among candidates that
// differ from it in one thing each; every picture is checked to have exactly one copy.
#include "choice/kletka17_data.h"
#include "choice/single_choice/glyphs.h"
#include "choice/single_choice/single_choice_draw.h"
#include "generators.h"
#include "rules/seeded_random.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace zorna::assets::sc {

namespace {

using namespace kletka17;
using rules::SeededRandom;

using Pattern = std::array<std::optional<Glyph>, kGrid * kGrid>;

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
    p.setPen(QPen(kGridLines, 1));
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

} // namespace

void drawKletka17(PictureJob& job) {
    SeededRandom rnd(job.seed());
    const Pattern original = randomPattern(rnd);
    std::vector<Pattern> wrong;
    std::vector<int> kinds{0, 1, 2, 3, 4, 5};
    rnd.shuffle(kinds);
    for (int tries = 0; wrong.size() < std::size_t(job.layout.regionCount - 1) && tries < 200; ++tries) {
        const Pattern c = changedOnce(original, rnd, kinds[std::size_t(tries) % kinds.size()]);
        takeIfNew(wrong, c, original);
    }
    drawPattern(job.p, job.layout.main, original);
    drawFrame(job.p, job.layout.main, kOriginalFrame, 2);
    const std::vector<Pattern> shown = candidatesInRegionOrder(job, original, wrong);
    const auto copies = std::count(shown.begin(), shown.end(), original);
    drawCandidates(job, shown,
                   [&](const QRect& cell, const Pattern& pattern) { drawPattern(job.p, cell, pattern); });
    if (copies != 1 || wrong.size() != std::size_t(job.layout.regionCount - 1))
        job.fail(QStringLiteral("%1 exact copies").arg(copies));
}

} // namespace zorna::assets::sc
