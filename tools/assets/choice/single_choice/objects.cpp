// Windows whose candidates are everyday objects: the inseparable partner
// (Kletka2), the object of opposite purpose (kletka4) and the object that
// shares the framed group's feature (kletka6). The objects come from the
// colour emoji font.
#include "objects_data.h"
#include "rules/seeded_random.h"
#include "single_choice_draw.h"

#include <QStringList>

#include <vector>

namespace zorna::assets::sc {

namespace {

using rules::SeededRandom;
using namespace objects_data;

QString str(const char* s) {
    return QString::fromUtf8(s);
}

QRectF inset(const QRect& r, double margin) {
    return QRectF(r).adjusted(margin, margin, -margin, -margin);
}

// Picks `count` different objects from the pool, none of them excluded.
QStringList pickFrom(SeededRandom& rnd, const std::vector<const char*>& pool, const QStringList& excluded,
                     int count) {
    std::vector<const char*> order(pool);
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

} // namespace

void drawPartners(PictureJob& job) {
    const Pair& pair = kPartners[job.picture - 1];
    SeededRandom rnd(job.seed());
    const std::vector<const char*> pool(std::begin(kUnrelated), std::end(kUnrelated));
    const QStringList others =
        pickFrom(rnd, pool, {str(pair.main), str(pair.answer)}, visibleRegions(job) - 1);
    job.drawEmoji(inset(job.layout.main, 18), str(pair.main));
    drawFrame(job.p, job.layout.main, QColor(0, 0, 255), 4);
    placeCandidates(job, str(pair.answer), others);
}

void drawOpposites(PictureJob& job) {
    if (job.answer < 1 || job.answer > 3 || !job.visible(job.answer))
        job.fail(QStringLiteral("the right region is not one of the regions always shown"));
    const Pair& pair = kOpposites[job.picture - 1];
    SeededRandom rnd(job.seed());
    const std::vector<const char*> pool(std::begin(kNeutral), std::end(kNeutral));
    const QStringList others =
        pickFrom(rnd, pool, {str(pair.main), str(pair.answer)}, visibleRegions(job) - 1);
    job.drawEmoji(inset(job.layout.main, 18), str(pair.main));
    drawFrame(job.p, job.layout.main, QColor(0, 0, 192), 4);
    placeCandidates(job, str(pair.answer), others);
}

void drawSharedFeature(PictureJob& job) {
    const Group& g = kGroups[job.picture - 1];
    const QRect& m = job.layout.main;
    const double w = m.width() / 3.0;
    for (int i = 0; i < 3; ++i) {
        const QRectF slot(m.left() + i * w, m.top(), w, m.height());
        job.drawEmoji(slot.adjusted(10, 26, -10, -26), str(g.framed[i]));
    }
    drawFrame(job.p, m, QColor(0, 0, 192), 4);
    SeededRandom rnd(job.seed());
    QStringList others{str(g.others[0]), str(g.others[1]), str(g.others[2])};
    std::vector<QString> order(others.begin(), others.end());
    rnd.shuffle(order);
    placeCandidates(job, str(g.answer), QStringList(order.begin(), order.end()));
}

} // namespace zorna::assets::sc
