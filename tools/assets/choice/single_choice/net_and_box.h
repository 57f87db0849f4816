#pragma once

// The two windows of nets and boxes (kletka7, kletka9) ask one question both
// ways round: a net or a box is shown large, and exactly one candidate of the
// other kind goes with it on the cube model; every wrong one is checked not to.

#include "choice/single_choice/cube_faces.h"
#include "choice/single_choice/single_choice_draw.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace zorna::assets::sc {

// What sets one window apart: the nets it starts from, its candidates and how
// they are made, checked and drawn.
template <class Candidate> struct NetAndBoxTask {
    int firstNetShape; // the net shape of picture 1; each picture takes the next
    bool netsLaidWide;
    Candidate (*right)(const FoldedNet& folded);
    // The right candidate changed in the way `kind` (0..2) names, or nothing when
    // this try makes no candidate.
    std::optional<Candidate> (*changed)(const FoldedNet& folded, int kind, SeededRandom& rnd);
    bool (*same)(const Candidate& a, const Candidate& b);
    bool (*goesWith)(const FoldedNet& folded, const Candidate& candidate);
    void (*drawMain)(QPainter& p, const QRect& area, const FoldedNet& folded);
    void (*drawCandidate)(QPainter& p, const QRect& cell, const Candidate& candidate);
    const char* fittingCount; // "%1 ... fit", when not exactly one candidate goes with it
    const char* noneFound;    // when no attempt gives enough wrong candidates
};

// Up to `count` wrong candidates, none of them twice: the kinds of change are
// tried in turn, and a candidate that goes with the folded net is dropped.
template <class Candidate>
std::vector<Candidate> wrongCandidates(const NetAndBoxTask<Candidate>& task, const FoldedNet& folded,
                                       SeededRandom& rnd, int count) {
    const Candidate right = task.right(folded);
    std::vector<Candidate> out;
    for (int tries = 0; int(out.size()) < count && tries < 400; ++tries) {
        const std::optional<Candidate> candidate = task.changed(folded, (int(out.size()) + tries) % 3, rnd);
        if (candidate && !task.goesWith(folded, *candidate))
            takeIfNew(out, *candidate, right, task.same);
    }
    return out;
}

template <class Candidate> void drawNetAndBox(PictureJob& job, const NetAndBoxTask<Candidate>& task) {
    const int wrongCount = job.layout.regionCount - 1;
    for (int attempt = 0; attempt < 50; ++attempt) {
        SeededRandom rnd(job.seed(attempt));
        const auto folded =
            randomFoldedNet(rnd, job.picture - 1 + task.firstNetShape + attempt, task.netsLaidWide);
        if (!folded) {
            job.fail(QStringLiteral("a cube net does not fold"));
            return;
        }
        const std::vector<Candidate> wrong = wrongCandidates(task, *folded, rnd, wrongCount);
        if (int(wrong.size()) != wrongCount)
            continue;
        const std::vector<Candidate> shown = candidatesInRegionOrder(job, task.right(*folded), wrong);
        const auto fitting = std::count_if(shown.begin(), shown.end(), [&](const Candidate& candidate) {
            return task.goesWith(*folded, candidate);
        });
        if (fitting != 1) {
            job.fail(QString::fromLatin1(task.fittingCount).arg(fitting));
            return;
        }
        task.drawMain(job.p, job.layout.main, *folded);
        drawCandidates(job, shown, [&](const QRect& cell, const Candidate& candidate) {
            task.drawCandidate(job.p, cell, candidate);
        });
        return;
    }
    job.fail(QString::fromLatin1(task.noneFound));
}

} // namespace zorna::assets::sc
