#pragma once

#include "tasks/common/task_window.h"
#include "tasks/puzzles/ball_row.h"

#include <QList>

class QLabel;

namespace zorna {

class ClickLabel;
class DoneButton;

// kletka29: bring the red balls to the left and the grey balls to the right
// within 21 moves; a ball slides into the empty hole next to it or jumps over
// one ball of the other colour.
class BallExchangeWindow : public TaskWindow {
    Q_OBJECT
public:
    BallExchangeWindow(AppContext& ctx, TaskHost& host, const TaskSquare& task);

    void load() override;
    const BallRow& balls() const { return balls_; }

    static constexpr int kStepLimit = 21;
    // Pixel rectangle of a hole's click area (inclusive ends), also a ball's place there.
    static int holeLeft(int hole) { return 16 + 64 * (hole - 1); }
    static constexpr int kHoleTop = 120;
    static constexpr int kHoleBottom = 182;
    static constexpr int kHoleWidth = 58; // 16..73 inclusive

    // The ball b (1..6), the step counter and the done button.
    ClickLabel* ballLabel(int b) const { return ballLabels_.at(b - 1); }
    QLabel* stepCountLabel() const { return stepCount_; }
    DoneButton* doneButton() const { return doneButton_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void ballClicked(int ball);
    // A press on the window: moves the selected ball to the hole under (x, y).
    void pressAt(int x, int y);
    void doneClicked();
    void placeBalls();
    void checkEnd();

    BallRow balls_;
    QLabel* instruction_;
    QLabel* limitText_;
    QLabel* stepCount_;
    DoneButton* doneButton_;
    QList<ClickLabel*> ballLabels_;
};

} // namespace zorna
