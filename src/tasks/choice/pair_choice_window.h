#pragma once

#include "tasks/choice/choice_data.h"
#include "tasks/common/answer_region.h"
#include "tasks/common/picture_box.h"
#include "tasks/common/task_window.h"

#include <QLabel>

#include <array>

namespace zorna {

// kletka10 (task 9, two objects whose names share their letters) and kletka19
// (task 25, two identical pictures): the player clicks two of six regions; the
// second click answers, the pair taken in either order.
class PairChoiceWindow : public TaskWindow {
    Q_OBJECT
public:
    PairChoiceWindow(AppContext& ctx, TaskHost& host, const TaskSquare& task);

    void load() override;

    QLabel* instructionLabel() const { return instruction_; }
    PictureBox* pictureBox() const { return picture_; }
    // The region k (1..6).
    AnswerRegion* region(int k) const { return regions_.at(k - 1); }
    // The picture drawn for this opening.
    int current() const { return deck()->current(); }
    int clickCount() const { return clicks_; }

private:
    void regionClicked(int index);

    const choice::PairChoiceRow& row_;
    QLabel* instruction_ = nullptr;
    PictureBox* picture_ = nullptr;
    std::array<AnswerRegion*, choice::kPairRegions> regions_{};
    int clicks_ = 0;
    std::array<int, 2> clicked_{};
};

} // namespace zorna
