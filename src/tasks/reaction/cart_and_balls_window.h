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

    void Form_Load() override;

    // For tests.
    const reaction::CartBalls& balls() const { return balls_; }
    int ballInPlay() const { return balls_.inPlay(); }
    int ballsReleased() const { return balls_.released(); }
    bool ballFalling() const { return TmShar.isEnabled(); }
    bool tripUnderWay() const { return trip_.has_value(); }
    QWidget* ball(int index) const { return Shape[index]; }
    QWidget* cart() const { return telega; }
    QLabel* caughtLabel() const { return IndKil; }
    QPushButton* pushButton() const { return Knop1; }
    QWidget* closeButton() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The ball leaves the field and its widget is hidden.
    void takeBall(int ball);
    // The next ball after the one in play is finished: chosen, then released
    // after one tick of Timer1. Ends the task when no ball is left.
    void nextBall();
    void Timer1_Timer();
    void TmShar_Timer();
    void Knop1_Click();
    void TmTelega_Timer();
    void Vse();
    void Image1_Click();

    QLabel* winText;
    QLabel* winText1;
    QLabel* IndKil;
    std::array<QWidget*, reaction::kCartBalls> Shape{};
    QLabel* telega;
    ClickLabel* Image1;
    QPushButton* Knop1;
    Timer& Timer1;
    Timer& TmShar;
    Timer& TmTelega;

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
