#pragma once

#include "tasks/common/task_window.h"
#include "tasks/memory/remember_pictures.h"

#include <QList>

class QLabel;

namespace zorna {

class PictureBox;

// Task 28: four pictures are shown one after another in the centre cell; then
// nine pictures fill the grid and the player clicks the four remembered ones.
// The draws, the course and the verdict are a RememberPictures; the window
// shows it.
class RememberPicturesWindow : public TaskWindow {
    Q_OBJECT
public:
    RememberPicturesWindow(AppContext& ctx, TaskHost& host, const TaskSquare& task);

    void load() override;

    // Column j = 1..9: picture number and grid cell; columns 1..4 are remembered.
    int pictureOf(int j) const { return task_.pictureOf(j); }
    int cellOf(int j) const { return task_.cellOf(j); }

    QLabel* instructionLabel() const { return instruction_; }
    // The number of clicks so far.
    QLabel* clickCountLabel() const { return clickCount_; }
    // The grid cell c (1..9), and all nine.
    PictureBox* cell(int c) const { return cells_.at(c - 1); }
    const QList<PictureBox*>& cells() const { return cells_; }

private:
    void onStartPauseTick();
    void startShow();
    void onShowTick();
    void showAllPictures();
    void cellClicked(int index);
    QString picture(int p) const;

    QLabel* instruction_;
    QLabel* clickCount_;
    QList<PictureBox*> cells_;
    RememberPictures task_;
    Timer& startPauseTimer_;
    Timer& showTimer_;
};

} // namespace zorna
