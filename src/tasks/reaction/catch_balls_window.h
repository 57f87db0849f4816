#pragma once

#include "tasks/common/task_window.h"
#include "tasks/reaction/reaction_rules.h"

#include <QImage>
#include <QPixmap>

#include <array>

#include <QLabel>

namespace zorna {

// Task 30, catch the balls: twenty balls drop from four chutes in random order;
// the keys V, B, N and M move the net under a chute; 15 catches solve the task.
class CatchBallsWindow : public TaskWindow {
    Q_OBJECT
public:
    CatchBallsWindow(AppContext& ctx, TaskHost& host, const TaskSquare& task);

    void load() override;

    // For tests.
    int lastKey() const { return lastKey_; }
    int caught() const { return caught_; }
    int launched() const { return launched_; }
    int ballsFinished() const { return finished_; }
    QWidget* ball(int index) const { return balls_[index - 1]; }
    QLabel* countLabel() const { return caughtCount_; }
    QImage scene() const { return scene_.toImage(); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void keyDown(int keyCode);
    void onStartTick();
    void startLaunching();
    void onLaunchTick();
    void onFallTick(int index);
    void loadScene(int keyCode);

    QLabel* instruction_;
    QLabel* caughtCount_;
    std::array<QLabel*, reaction::kChuteBalls> balls_{};
    std::array<Timer*, reaction::kChuteBalls> fallTimers_{};
    Timer& startTimer_;
    Timer& launchTimer_;

    QPixmap scene_;
    int lastKey_ = reaction::kKeyV;
    int startTicks_ = 0;
    int launched_ = 0;
    int caught_ = 0;
    int finished_ = 0;
    std::array<int, reaction::kChuteBalls> top_{};
    std::array<bool, reaction::kChuteBalls> released_{};
};

} // namespace zorna
