#pragma once

#include "tasks/common/drag_helper.h"
#include "tasks/common/task_window.h"
#include "tasks/memory/memory_tables.h"

#include <QList>

#include <array>

class QLabel;

namespace zorna {

class DoneButton;
class PictureBox;

// Task 32: six items are shown one by one in six cells; then the player drags
// each item from the tray back to the cell where it was shown.
class Kletka33 : public TaskWindow {
    Q_OBJECT
public:
    Kletka33(AppContext& ctx, TaskHost& host, const TaskSquare& task);

    void Form_Load() override;

    // Entry k (1..6) of the place table: the item that belongs in cell k.
    int placeOf(int k) const { return place_[k - 1]; }
    // Entry i of the tray table: the item in tray box i.
    int trayOf(int i) const { return tray_[i - 1]; }
    // Entry s of the show order: the cell shown at step s.
    int shownAt(int s) const { return order_[s - 1]; }
    // The item last dropped into cell k, 0 while empty.
    int placedIn(int k) const { return placed_[k - 1]; }

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

    std::array<int, 6> place_{};
    std::array<int, 6> tray_{};
    std::array<int, 6> order_{};
    std::array<int, 6> placed_{};
    Timer& Timer1;
    DragHelper drag_;
    int current_ = 0;
    bool showNext_ = true;
    int step_ = 0;
};

} // namespace zorna
