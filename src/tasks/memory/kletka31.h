#pragma once

#include "tasks/common/task_window.h"
#include "tasks/memory/memory_tables.h"

#include <QList>

#include <array>

class QLabel;

namespace zorna {

class PictureBox;

// Task 28: four pictures are shown one after another in the centre cell; then
// nine pictures fill the grid and the player clicks the four remembered ones.
class Kletka31 : public TaskWindow {
    Q_OBJECT
public:
    Kletka31(AppContext& ctx, TaskHost& host, const TaskSquare& task);

    void Form_Load() override;

    // Column j = 1..9: picture number and grid cell; columns 1..4 are remembered.
    int pictureOf(int j) const { return table_[0][j - 1]; }
    int cellOf(int j) const { return table_[1][j - 1]; }

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

    std::array<std::array<int, 9>, 2> table_{};
    Timer& startPause;
    Timer& Timer1;
    int pause_ = 0;
    int shown_ = 0;
    bool showNext_ = true;
    bool found_ = false;
    int clicks_ = 0;
};

} // namespace zorna
