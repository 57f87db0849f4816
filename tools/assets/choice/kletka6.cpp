// kletka6: the object that shares the framed group's feature.
#include "choice/kletka6_data.h"
#include "generators.h"

namespace zorna::assets::sc {

namespace {

using namespace kletka6;
using rules::SeededRandom;

} // namespace

void drawKletka6(PictureJob& job) {
    const Group& g = kGroups[job.picture - 1];
    const QRect& m = job.layout.main;
    const double w = m.width() / 3.0;
    for (int i = 0; i < 3; ++i) {
        const QRectF slot(m.left() + i * w, m.top(), w, m.height());
        job.drawEmoji(slot.adjusted(10, 26, -10, -26), str(g.framed[i]));
    }
    drawFrame(job.p, m, kMainFrame, 4);
    SeededRandom rnd(job.seed());
    QStringList others{str(g.others[0]), str(g.others[1]), str(g.others[2])};
    std::vector<QString> order(others.begin(), others.end());
    rnd.shuffle(order);
    placeCandidates(job, str(g.answer), QStringList(order.begin(), order.end()));
}

} // namespace zorna::assets::sc
