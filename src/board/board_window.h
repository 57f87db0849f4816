#pragma once

#include "board/board_model.h"
#include "board/game.h"
#include "board/registration_link.h"
#include "platform/app_context.h"
#include "stats/finish_window.h"
#include "stats/statistics_window.h"
#include "tasks/common/picture_box.h"
#include "tasks/common/task_host.h"
#include "tasks/common/task_window.h"

#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>

#include <array>
#include <memory>
#include <optional>

class QAction;

namespace zorna {

// The board window: the map, the chips and their moves, saving and leaving.
// The game itself (squares, turn, finished and slide-back flags, statistics)
// is a Game that the window shows. It reads the players from the registration
// window through RegistrationLink and is the host every task window hands its
// result back to.
class BoardWindow : public QMainWindow, public TaskHost {
    Q_OBJECT

    // Declared before numGr and WinType, which refer into them.
    Game game_;
    int winType_ = 0;

public:
    BoardWindow(AppContext& ctx, RegistrationLink& registration);
    ~BoardWindow() override;

    // Read-only views for the other windows: the player whose turn it is and
    // the category the last task window handed back.
    const int& numGr;
    const int& WinType;

    // TaskHost
    bool prav() const override { return prav_; }
    void setPrav(bool solved) override { prav_ = solved; }
    void setWinType(int category) override { winType_ = category; }
    void setBoardEnabled(bool enabled) override { setEnabled(enabled); }
    void showBoard() override;
    void krok() override;

    // Board procedures.
    // Shows the chips of the players on their squares (square 1 in a new game).
    void rstr();
    void LoadImage(int num, int numKl);
    void IndikatHod(int k);
    void ruhPhish(int x1, int y1, int x2, int y2);
    void GameOpen();

    // Handlers.
    void knopStart_Click();
    void KnopDali_Click();
    void knopSave_Click();
    void KnopEnd_Click();
    void Timer2_Timer();
    void PAbout_Click();
    void stat_Click();

    // State for the other windows and for tests.
    int playerCount() const { return registration_.playerCount(); }
    const Game& game() const { return game_; }
    const PlayerRecords& players() const { return game_.players(); }
    const StatTable& stats() const { return game_.stats(); }
    bool finished(int player) const { return game_.finished(player); }
    int finishedCount() const { return game_.finishedCount(); }
    bool slideBack(int player) const { return game_.slideBack(player); }
    bool isSaved() const { return saved_; }
    bool hasFolder() const { return folderFlag_; }
    const QString& gameFolderName() const { return folderName_; }
    bool isMoving() const;
    // The picture number each chip shows (1..4).
    int chipPicture(int player) const { return chipPicture_[player - 1]; }

    QPushButton* knopStart() const { return knopStart_; }
    QPushButton* knopDali() const { return KnopDali_; }
    QPushButton* knopSave() const { return knopSave_; }
    QPushButton* knopEnd() const { return KnopEnd_; }
    QLabel* winNameGr() const { return winNameGr_; }
    PictureBox* phishka(int player) const { return phishka_[player - 1]; }
    QAction* menuAbout() const { return PAbout_; }
    QAction* menuStat() const { return stat_; }
    // Windows the board opened last; null once closed.
    TaskWindow* taskWindow() const { return task_; }
    StatisticsWindow* statisticsWindow() const { return statisticsWindow_; }
    FinishWindow* finishWindow() const { return finishWindow_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void newGame();
    // Shows the turn the game has passed on and lets the player go on.
    void showTurn();
    void placeChip(int player, int square);
    void openFinishWhenFree();
    QPushButton* button(const QString& text, const QString& tip, int l, const QColor& colour, int w);

    AppContext& ctx;
    RegistrationLink& registration_;

    bool prav_ = false;
    bool saved_ = true;
    bool folderFlag_ = false;
    QString folderName_;
    int step_ = 0;
    int direction_ = 1;
    std::array<int, 3> chipPicture_{1, 1, 1};
    bool leaving_ = false;
    // A finish whose window waits for the board to be free.
    struct Finish {
        QString name;
        int place = 0;
    };
    std::optional<Finish> pendingFinish_;

    PictureBox* map_;
    QPushButton* knopStart_;
    QLabel* winNameGr_;
    QPushButton* KnopDali_;
    QPushButton* knopSave_;
    QPushButton* KnopEnd_;
    std::array<PictureBox*, 3> phishka_{};
    QAction* PAbout_;
    QAction* stat_;
    std::unique_ptr<Timer> Timer2_;
    QPointer<TaskWindow> task_;
    QPointer<StatisticsWindow> statisticsWindow_;
    QPointer<FinishWindow> finishWindow_;
};

} // namespace zorna
