#pragma once

#include "tasks/choice/choice_data.h"
#include "tasks/common/answer_region.h"
#include "tasks/common/picture_box.h"
#include "tasks/common/task_window.h"

#include <QLabel>

#include <array>

namespace zorna {

// kletka11 (task 5): which detail is missing from the framed picture. The
// clicked candidate is shown in place for two timer ticks with the window
// disabled, then the answer is judged and the window closes.
class MissingDetailWindow : public TaskWindow {
    Q_OBJECT
public:
    MissingDetailWindow(AppContext& ctx, TaskHost& host, const TaskSquare& task);

    void load() override;

    QLabel* instructionLabel() const { return instruction_; }
    PictureBox* pictureBox() const { return picture_; }
    // Candidate k (1..5) of the five-candidate layout, pictures 1..5.
    AnswerRegion* fiveRegion(int k) const { return fiveRegions_.at(k - 1); }
    // Candidate k (1..7) of the seven-candidate layout, pictures 6..11.
    AnswerRegion* sevenRegion(int k) const { return sevenRegions_.at(k - 1); }
    int current() const { return deck()->current(); }
    int chosen() const { return chosen_; }
    int ticks() const { return ticks_; }
    // Path of the picture n completed with candidate k: "kletka11/n/k.jpg".
    QString detailPath(int n, int k) const;

private:
    AnswerRegion* makeRegion(int index, const choice::Twips& r, const char* name);
    void setRegionActive(AnswerRegion* region, bool active);
    void showCandidate(int k);
    void showTick();

    QLabel* instruction_ = nullptr;
    PictureBox* picture_ = nullptr;
    std::array<AnswerRegion*, 5> fiveRegions_{};
    std::array<AnswerRegion*, 7> sevenRegions_{};
    Timer* showTimer_ = nullptr;
    int chosen_ = 0;
    int ticks_ = 0;
};

} // namespace zorna
