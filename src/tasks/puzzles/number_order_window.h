#pragma once

#include "tasks/common/task_window.h"
#include "tasks/puzzles/sliding_frame.h"

#include <QList>

class QLabel;

namespace zorna {

class ClickLabel;
class DoneButton;

// kletka27: the fifteen tiles, shuffled by 51 random moves, are put back in
// order within 300 seconds; the done button or the time-out judges the frame.
class NumberOrderWindow : public TaskWindow {
    Q_OBJECT
public:
    NumberOrderWindow(AppContext& ctx, TaskHost& host, const TaskSquare& task);

    void Form_Load() override;
    const SlidingFrame& frame() const { return frame_; }
    int secondsLeft() const { return secondsLeft_; }

    static constexpr int kSeconds = 300;

    void winMal_Click(int cell);
    void Image2_Click();

private:
    void rozbMal();
    void zamina(const SlidingFrame::Move& move);
    void Timer1_Timer();
    QPixmap tilePicture(int tile) const;

    SlidingFrame frame_;
    int secondsLeft_ = kSeconds;
    QLabel* winText;
    QLabel* Label1;
    DoneButton* Image2;
    QList<ClickLabel*> winMal; // cells 1..16 at index 0..15
    Timer* Timer1;
};

} // namespace zorna
