#pragma once

#include "tasks/common/task_window.h"
#include "tasks/reaction/reaction_rules.h"

#include <array>
#include <optional>

#include <QLabel>
class QPushButton;

namespace zorna {

class ClickLabel;

// Task 31, cart and balls: five balls fall one at a time; Enter sends the cart
// on a trip to the left edge and back; three balls caught solve the task.
class CartAndBallsWindow : public TaskWindow {
    Q_OBJECT
public:
    CartAndBallsWindow(AppContext& ctx, TaskHost& host, const TaskSquare& task);

    void load() override;

    // For tests.
    const reaction::CartBalls& balls() const { return balls_; }
    int ballInPlay() const { return balls_.inPlay(); }
    int ballsReleased() const { return balls_.released(); }
    bool ballFalling() const { return fallTimer_.isEnabled(); }
    bool tripUnderWay() const { return trip_.has_value(); }
    QWidget* ball(int index) const { return ballShapes_[index]; }
    QWidget* cart() const { return cart_; }
    QLabel* caughtLabel() const { return caughtCount_; }
    QPushButton* pushButton() const { return pushButton_; }
    QWidget* closeButton() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The ball leaves the field and its widget is hidden.
    void takeBall(int ball);
    // The next ball after the one in play is finished: chosen, then released
    // after one tick of the release timer. Ends the task when no ball is left.
    void nextBall();
    void onReleaseTick();
    void onFallTick();
    void sendCart();
    void onCartTick();
    void finish();
    void closeClicked();

    QLabel* instruction_;
    QLabel* keyHint_;
    QLabel* caughtCount_;
    std::array<QWidget*, reaction::kCartBalls> ballShapes_{};
    QLabel* cart_;
    ClickLabel* closeButton_;
    QPushButton* pushButton_;
    Timer& releaseTimer_;
    Timer& fallTimer_;
    Timer& cartTimer_;

    reaction::CartBalls balls_;
    int column_ = 0;
    int ballTop_ = 0;
    int releaseDelay_ = 2;
    int releaseTicks_ = 0;
    std::optional<reaction::CartTrip> trip_;
    int cartTop_ = 0;
    int cartWidth_ = 0;
    bool catch_ = false;
    bool asking_ = false;
    bool endPending_ = false;
};

} // namespace zorna
