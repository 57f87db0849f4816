#pragma once

#include "tasks/choice/choice_data.h"
#include "tasks/common/answer_region.h"
#include "tasks/common/picture_box.h"
#include "tasks/common/task_window.h"

#include <QLabel>

#include <array>

namespace zorna {

// kletka5 (task 16): which of five numbered objects does not belong to the
// group of the other four. Answered with five number buttons under the picture.
class OddOneOutWindow : public TaskWindow {
    Q_OBJECT
public:
    OddOneOutWindow(AppContext& ctx, TaskHost& host, const TaskSquare& task);

    void load() override;

    QLabel* instructionLabel() const { return instruction_; }
    PictureBox* pictureBox() const { return picture_; }
    // The number button k (1..5).
    AnswerRegion* numberButton(int k) const { return numberButtons_.at(k - 1); }
    int current() const { return deck()->current(); }

private:
    void numberClicked(int index);

    QLabel* instruction_ = nullptr;
    PictureBox* picture_ = nullptr;
    std::array<AnswerRegion*, 5> numberButtons_{};
    std::array<int, 11> answers_{};
};

} // namespace zorna
