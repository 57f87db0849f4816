#pragma once

#include "tasks/common/task_window.h"
#include "tasks/memory/changed_detail.h"

#include <QList>

class QLabel;

namespace zorna {

class PictureBox;

// Task 23: a picture is shown for thirty seconds while a bar runs down, then
// blanked, then shown with one detail changed; the player clicks that detail.
// The course and the hit test are a ChangedDetail; the window shows it.
class ChangedDetailWindow : public TaskWindow {
    Q_OBJECT
public:
    ChangedDetailWindow(AppContext& ctx, TaskHost& host, const TaskSquare& task);

    void Form_Load() override;
    int currentPicture() const { return detail_.picture(); }

    QLabel* winText;
    PictureBox* Picture1;
    QList<QLabel*> Block; // indexes 1..30 at 0..29
    QLabel* Image2;       // the red blot

private:
    void VipadkMal();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Picture1_MouseDown(QPoint pos);

    ChangedDetail detail_;
    Timer& Timer1;
    Timer& Timer2;
    Timer& Timer3;
};

} // namespace zorna
