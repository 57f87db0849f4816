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

    void load() override;
    const SlidingFrame& frame() const { return frame_; }
    int secondsLeft() const { return secondsLeft_; }

    static constexpr int kSeconds = 300;

    // The frame cell c (1..16), the seconds left and the done button.
    ClickLabel* cell(int c) const { return cells_.at(c - 1); }
    QLabel* secondsLeftLabel() const { return secondsLeftLabel_; }
    DoneButton* doneButton() const { return doneButton_; }

private:
    void cellClicked(int cell);
    void doneClicked();
    void shuffleTiles();
    void showMove(const SlidingFrame::Move& move);
    void onCountdownTick();
    QPixmap tilePicture(int tile) const;

    SlidingFrame frame_;
    int secondsLeft_ = kSeconds;
    QLabel* instruction_;
    QLabel* secondsLeftLabel_;
    DoneButton* doneButton_;
    QList<ClickLabel*> cells_;
    Timer* countdown_;
};

} // namespace zorna
