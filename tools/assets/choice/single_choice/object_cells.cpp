#include "choice/single_choice/object_cells.h"

namespace zorna::assets::sc {

using rules::SeededRandom;

QString str(const char* s) {
    return QString::fromUtf8(s);
}

QRectF inset(const QRect& r, double margin) {
    return QRectF(r).adjusted(margin, margin, -margin, -margin);
}

// Picks `count` different objects from the pool, none of them excluded.
QStringList pickFrom(SeededRandom& rnd, std::span<const char* const> pool, const QStringList& excluded,
                     int count) {
    std::vector<const char*> order(pool.begin(), pool.end());
    rnd.shuffle(order);
    QStringList out;
    for (const char* s : order)
        if (out.size() < count && !excluded.contains(str(s)) && !out.contains(str(s)))
            out << str(s);
    return out;
}

// Draws the right object under the answer region and the others under the
// other visible regions, in the order given.
void placeCandidates(PictureJob& job, const QString& right, const QStringList& others) {
    int next = 0;
    for (int i = 1; i <= job.layout.regionCount; ++i) {
        if (!job.visible(i))
            continue;
        const QRect cell = job.layout.region(i);
        drawCandidateCell(job.p, cell);
        if (i == job.answer) {
            job.drawEmoji(inset(cell, 18), right);
        } else if (next < others.size()) {
            job.drawEmoji(inset(cell, 18), others[next++]);
        } else {
            job.fail(QStringLiteral("not enough candidates"));
        }
    }
    if (next != others.size())
        job.fail(QStringLiteral("%1 candidates left over").arg(others.size() - next));
}

int visibleRegions(const PictureJob& job) {
    int n = 0;
    for (int i = 1; i <= job.layout.regionCount; ++i)
        n += job.visible(i);
    return n;
}

void drawFramedPair(PictureJob& job, const ObjectPair& pair, std::span<const char* const> pool,
                    const QColor& frame) {
    SeededRandom rnd(job.seed());
    const QStringList others =
        pickFrom(rnd, pool, {str(pair.main), str(pair.answer)}, visibleRegions(job) - 1);
    job.drawEmoji(inset(job.layout.main, 18), str(pair.main));
    drawFrame(job.p, job.layout.main, frame, 4);
    placeCandidates(job, str(pair.answer), others);
}

} // namespace zorna::assets::sc
