#pragma once

#include "tasks/common/drag_helper.h"
#include "tasks/common/task_window.h"
#include "tasks/memory/remember_places.h"

#include <QList>

class QLabel;

namespace zorna {

class DoneButton;
class PictureBox;

// Task 32: six items are shown one by one in six cells; then the player drags
// each item from the tray back to the cell where it was shown. The draws, the
// course and the check are a RememberPlaces; the window shows it.
class RememberPlacesWindow : public TaskWindow {
    Q_OBJECT
public:
    RememberPlacesWindow(AppContext& ctx, TaskHost& host, const TaskSquare& task);

    void Form_Load() override;

    // The tables of the task (1..6).
    int placeOf(int k) const { return task_.placeOf(k); }
    int trayOf(int i) const { return task_.trayOf(i); }
    int shownAt(int s) const { return task_.shownAt(s); }
    int placedIn(int k) const { return task_.placedIn(k); }

    QLabel* winText;
    QList<PictureBox*> Picture1; // the cells, indexes 1..6 at 0..5
    QList<PictureBox*> Picture2; // the tray, indexes 1..6 at 0..5
    PictureBox* Picture3;        // the cover
    DoneButton* Image2;

private:
    void Picture3_Click();
    void Timer1_Timer();
    void Dali();
    void Picture2_MouseMove(int index);
    void Picture1_DragDrop(int index);
    void Image2_Click();
    QString item(int m) const;

    RememberPlaces task_;
    Timer& Timer1;
    DragHelper drag_;
};

} // namespace zorna
