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

    void load() override;
    int currentPicture() const { return detail_.picture(); }

    QLabel* instructionLabel() const { return instruction_; }
    PictureBox* pictureBox() const { return picture_; }
    // The covering blocks, 1..30, removed one by one while the picture is memorised.
    const QList<QLabel*>& blocks() const { return blocks_; }
    // The red blot that marks a missed click.
    QLabel* blotLabel() const { return blot_; }

private:
    void drawPicture();
    void onMemoriseTick();
    void onPauseTick();
    void onMissWaitTick();
    void picturePressed(QPoint pos);

    QLabel* instruction_;
    PictureBox* picture_;
    QList<QLabel*> blocks_;
    QLabel* blot_;
    ChangedDetail detail_;
    Timer& memoriseTimer_;
    Timer& pauseTimer_;
    Timer& missTimer_;
};

} // namespace zorna
