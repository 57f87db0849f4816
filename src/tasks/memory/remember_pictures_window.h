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

    void Form_Load() override;

    // Column j = 1..9: picture number and grid cell; columns 1..4 are remembered.
    int pictureOf(int j) const { return task_.pictureOf(j); }
    int cellOf(int j) const { return task_.cellOf(j); }

    QLabel* winText;
    QLabel* Label1;
    QList<PictureBox*> Picture1; // indexes 1..9 at 0..8

private:
    void startPause_Timer();
    void VivodMal();
    void Timer1_Timer();
    void VivodVsix();
    void Picture1_Click(int index);
    QString picture(int p) const;

    RememberPictures task_;
    Timer& startPause;
    Timer& Timer1;
};

} // namespace zorna
