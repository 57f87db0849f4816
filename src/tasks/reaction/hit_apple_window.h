#pragma once

#include "tasks/common/task_window.h"

#include <QPixmap>

#include <array>

#include <QLabel>

namespace zorna {

class ClickLabel;

// Task 13, hit the apple: an apple wanders over 8 x 8 cells, one step every
// 700 ms; a click on its cell plays the hit animation and solves the task, a
// click on any other cell fails it at once.
class HitAppleWindow : public TaskWindow {
    Q_OBJECT
public:
    HitAppleWindow(AppContext& ctx, TaskHost& host, const TaskSquare& task);

    void load() override;

    // For tests: the cell the apple is in, the picture box of cell 1..64.
    int appleCell() const { return appleCell_; }
    ClickLabel* cell(int index) const { return cells_[index - 1]; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void moveApple();
    void onHitTick();
    void cellClicked(int index);
    QPixmap picture(const QString& name) const;

    QLabel* instruction_;
    std::array<ClickLabel*, 64> cells_{};
    Timer& stepTimer_;
    Timer& hitTimer_;

    int appleCell_ = 1;
    int previousCell_ = 1;
    int frame_ = 0;
};

} // namespace zorna
