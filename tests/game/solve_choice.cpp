// Picture-choice windows: one click (or two) on the right part of the picture.
#include "game/solvers.h"

#include "tasks/choice/choice_data.h"
#include "tasks/choice/missing_detail_window.h"
#include "tasks/choice/odd_one_out_window.h"
#include "tasks/choice/pair_choice_window.h"
#include "tasks/choice/question_file_window.h"
#include "tasks/choice/single_choice_data.h"
#include "tasks/choice/single_choice_window.h"
#include "tasks/common/answer_region.h"

namespace zorna::test {
namespace {

// Another region than `answer` among 1..count.
int otherThan(int answer, int count) {
    return answer % count + 1;
}

const SingleChoiceRow* singleRow(int windowNumber) {
    for (const SingleChoiceRow& row : kSingleChoiceRows)
        if (row.task.windowNumber == windowNumber)
            return &row;
    return nullptr;
}

void solveSingle(TaskWindow& window, TestContext&, bool right) {
    auto* w = as<SingleChoiceWindow>(window);
    const SingleChoiceRow* row = singleRow(window.task().windowNumber);
    QVERIFY(w && row);
    const int answer = row->answers[w->currentPicture() - 1];
    clickOn(w->region(right ? answer : otherThan(answer, row->regionCount)));
}
ZORNA_SOLVER(kSingleChoiceRows, solveSingle);

void solvePair(TaskWindow& window, TestContext&, bool right) {
    auto* w = as<PairChoiceWindow>(window);
    const choice::PairChoiceRow* row = choice::pairChoiceRow(window.task().windowNumber);
    QVERIFY(w && row);
    QVERIFY(w->current() <= row->pictureCount);
    const choice::RegionPair pair = row->answers[w->current() - 1];
    QVERIFY(pair.first >= 1 && pair.second >= 1);
    int second = pair.second;
    if (!right) {
        second = 1;
        while (second == pair.first || second == pair.second)
            ++second;
    }
    // The second of the pair first: the order does not matter.
    clickOn(w->region(second));
    clickOn(w->region(pair.first));
}
ZORNA_SOLVER(choice::kPairChoiceRows, solvePair);

void solveDetail(TaskWindow& window, TestContext& t, bool right) {
    auto* w = as<MissingDetailWindow>(window);
    QVERIFY(w);
    const int n = w->current();
    const int answer = choice::kDetailAnswers[n - 1];
    const int count = choice::detailCandidates(n);
    const int k = right ? answer : otherThan(answer, count);
    clickOn(choice::detailUsesSeven(n) ? static_cast<QWidget*>(w->sevenRegion(k))
                                       : static_cast<QWidget*>(w->fiveRegion(k)));
    // The chosen detail stays in place for two ticks before the answer is judged.
    QVERIFY(advanceUntilAnswered(t, window, 500, 5000));
}
ZORNA_SOLVER(choice::kDetailWindow, solveDetail);

void solveOdd(TaskWindow& window, TestContext&, bool right) {
    auto* w = as<OddOneOutWindow>(window);
    QVERIFY(w);
    const int answer = choice::kOddAnswers[w->current() - 1];
    clickOn(w->numberButton(right ? answer : otherThan(answer, 5)));
}
ZORNA_SOLVER(choice::kOddWindow, solveOdd);

void solveQuestion(TaskWindow& window, TestContext&, bool right) {
    auto* w = as<QuestionFileWindow>(window);
    QVERIFY(w);
    const choice::HitRect r = choice::kQuestionRects[w->current() - 1];
    QPoint at((r.x1 + r.x2) / 2, (r.y1 + r.y2) / 2);
    if (!right) {
        // A point of the picture outside the rectangle, not on the question.
        bool found = false;
        for (int y = 10; y < choice::kQuestionPictureHeight && !found; y += 20)
            for (int x = 10; x < choice::kQuestionPictureWidth && !found; x += 20)
                if (!r.contains(x, y) && !w->childAt(QPoint(x, y))) {
                    at = QPoint(x, y);
                    found = true;
                }
        QVERIFY(found);
    }
    QVERIFY(!w->childAt(at));
    QTest::mouseClick(w, Qt::LeftButton, {}, at);
}
ZORNA_SOLVER(choice::kQuestionWindow, solveQuestion);

} // namespace

} // namespace zorna::test
