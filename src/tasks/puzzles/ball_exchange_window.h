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

    void Form_Load() override;
    const BallRow& balls() const { return balls_; }

    static constexpr int kStepLimit = 21;
    // Pixel rectangle of a hole's click area (inclusive ends), also a ball's place there.
    static int holeLeft(int hole) { return 16 + 64 * (hole - 1); }
    static constexpr int kHoleTop = 120;
    static constexpr int kHoleBottom = 182;
    static constexpr int kHoleWidth = 58; // 16..73 inclusive

    void Image1_Click(int ball);
    void Form_MouseDown(int x, int y);
    void Image2_Click();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void obnovScr();
    void Proverka();

    BallRow balls_;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    DoneButton* Image2;
    QList<ClickLabel*> Image1; // balls 1..6 at index 0..5
};

} // namespace zorna
