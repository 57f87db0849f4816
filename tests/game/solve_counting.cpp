// Counting and film windows: typed numbers, and frames dragged onto the strip.
#include "game/solvers.h"

#include "tasks/common/done_button.h"
#include "tasks/counting/cube_counting_window.h"
#include "tasks/counting/film_frames_window.h"

#include <QLabel>
#include <QLineEdit>

namespace zorna::test {
namespace {

void typeInto(QLineEdit* box, int number) {
    box->setFocus();
    QTest::keyClicks(box, QString::number(number));
}

void solveMissingCubes(TaskWindow& window, TestContext&, bool right) {
    auto* w = as<MissingCubesWindow>(window);
    QVERIFY(w);
    const auto& answers = kMissingCubes[w->currentPicture() - 1];
    for (int k = 0; k < 5; ++k)
        // A wrong answer miscounts the fourth figure by one.
        typeInto(w->answerBox(k + 1), answers[k] + (!right && k == 3 ? 1 : 0));
    QTest::mouseClick(w->doneButton(), Qt::LeftButton, {}, w->doneButton()->rect().center());
}
ZORNA_SOLVER(22, solveMissingCubes);

void solveCubeCount(TaskWindow& window, TestContext&, bool right) {
    auto* w = as<CountCubesWindow>(window);
    QVERIFY(w);
    const int count = kCubeCounts[w->currentPicture() - 1];
    typeInto(w->answerBox(), right ? count : count - 1);
    QTest::mouseClick(w->doneButton(), Qt::LeftButton, {}, w->doneButton()->rect().center());
}
ZORNA_SOLVER(23, solveCubeCount);

void solveFilm(TaskWindow& window, TestContext&, bool right) {
    auto* w = as<FilmFramesWindow>(window);
    QVERIFY(w);
    if (right) {
        // Every frame onto the slot of its place in the story.
        for (int j = 1; j <= 4; ++j) {
            const int slot = w->frameOrder(j);
            dragTo(w->frame(j), w, QPoint(kFilmSlots[slot - 1].xFrom + 80, 180));
        }
        for (int k = 1; k <= 4; ++k)
            QVERIFY2(w->slotFilled(k), "a frame did not land on its slot");
    } else {
        // Only the last frame of the story, on the first slot.
        for (int j = 1; j <= 4; ++j)
            if (w->frameOrder(j) == 4)
                dragTo(w->frame(j), w, QPoint(kFilmSlots[0].xFrom + 80, 180));
    }
    QTest::mouseClick(w->doneButton(), Qt::LeftButton, {}, w->doneButton()->rect().center());
}
ZORNA_SOLVER(kFilmRows, solveFilm);

} // namespace

} // namespace zorna::test
