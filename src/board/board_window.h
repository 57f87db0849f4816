#pragma once

#include "board/session.h"
#include "platform/app_context.h"
#include "stats/finish_window.h"
#include "stats/statistics_window.h"
#include "tasks/common/picture_box.h"
#include "tasks/common/task_catalog.h"
#include "tasks/common/task_host.h"
#include "tasks/common/task_window.h"

#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>

#include <array>
#include <functional>
#include <memory>

class QAction;

namespace zorna {

// The board window: shows a Session (the map, the chips, whose turn it is),
// animates the chip moves the session decides, opens the task window of the
// square and takes its answer back, and opens the statistics and finish
// windows. Leaving it hands the players back to the registration window.
class BoardWindow : public QMainWindow, public TaskHost {
    Q_OBJECT
public:
    // A new game for the players, or their saved game when one is given.
    // returnToRegistration runs once, when the players leave the board.
    // tasks: the task windows the board opens, by square.
    BoardWindow(AppContext& ctx, const TaskCatalog& tasks, const SessionStart& start,
                std::function<void()> returnToRegistration);
    ~BoardWindow() override;

    // TaskHost: the board comes back and the session applies the answer.
    void taskAnswered(const TaskResult& result) override;

    // What the buttons and the menu do.
    void startGame();      // «Старт»
    void nextTask();       // «Далі»
    void saveGame();       // the disk button
    void leaveBoard();     // «Вихід»
    void showHelp();       // F1
    void showStatistics(); // F2

    const Session& session() const { return session_; }
    bool isMoving() const;
    // The picture number each chip shows (1..4).
    int chipPicture(int player) const { return chipPicture_[player - 1]; }

    QPushButton* startButton() const { return startButton_; }
    QPushButton* nextButton() const { return nextButton_; }
    QPushButton* saveButton() const { return saveButton_; }
    QPushButton* leaveButton() const { return leaveButton_; }
    QLabel* turnLabel() const { return turnLabel_; }
    PictureBox* chip(int player) const { return chips_[player - 1]; }
    QAction* helpAction() const { return helpAction_; }
    QAction* statisticsAction() const { return statisticsAction_; }
    // Windows the board opened last; null once closed.
    TaskWindow* taskWindow() const { return task_; }
    StatisticsWindow* statisticsWindow() const { return statisticsWindow_; }
    FinishWindow* finishWindow() const { return finishWindow_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void openSavedGame(const QString& folder);
    void placeChips();
    // A saved game's chips, each on its square with its resting picture.
    void placeRestoredChips();
    void placeChip(int player, int square);
    void showChipPicture(int player, int picture);
    // The chip of a player at rest on its square shows the square's picture.
    void showRestingChip(int player);
    // Shows the turn of the current player and lets the player go on.
    void showTurn();
    void showTurnColour(int player);
    // After the last finish: the turn indicator tells that the game is over.
    void showGameOver();
    void moveChip(QPoint from, QPoint to);
    void stepChip();
    void openFinishWhenFree();
    // What a window the board waits for calls when it closes: the board takes
    // input again and opens a finish that came meanwhile; nothing once the
    // board has gone.
    std::function<void()> giveBoardBack();
    QPushButton* button(const QString& text, const QString& tip, int l, const QColor& colour, int w);

    AppContext& ctx_;
    const TaskCatalog& tasks_;
    Session session_;
    std::function<void()> returnToRegistration_;

    // When the open task window was opened, on the clock.
    qint64 taskOpenedMs_ = 0;
    int step_ = 0;
    int direction_ = 1;
    std::array<int, 3> chipPicture_{1, 1, 1};
    bool leaving_ = false;

    PictureBox* map_;
    QPushButton* startButton_;
    QLabel* turnLabel_;
    QPushButton* nextButton_;
    QPushButton* saveButton_;
    QPushButton* leaveButton_;
    std::array<PictureBox*, 3> chips_{};
    QAction* helpAction_;
    QAction* statisticsAction_;
    std::unique_ptr<Timer> moveTimer_;
    QPointer<TaskWindow> task_;
    QPointer<StatisticsWindow> statisticsWindow_;
    QPointer<FinishWindow> finishWindow_;
};

} // namespace zorna
