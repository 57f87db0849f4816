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

    void load() override;

    // The tables of the task (1..6).
    int placeOf(int k) const { return task_.placeOf(k); }
    int trayOf(int i) const { return task_.trayOf(i); }
    int shownAt(int s) const { return task_.shownAt(s); }
    int placedIn(int k) const { return task_.placedIn(k); }

    QLabel* instructionLabel() const { return instruction_; }
    // The cell k (1..6) where items are shown and put back, and all six.
    PictureBox* cell(int k) const { return cells_.at(k - 1); }
    const QList<PictureBox*>& cells() const { return cells_; }
    // The tray box i (1..6) the items are dragged from.
    PictureBox* trayBox(int i) const { return trayBoxes_.at(i - 1); }
    // The cover over the cells; a click on it starts the show.
    PictureBox* coverBox() const { return cover_; }
    DoneButton* doneButton() const { return doneButton_; }

private:
    void coverClicked();
    void onShowTick();
    void startPlacing();
    void trayItemPointed(int index);
    void itemDropped(int index);
    void doneClicked();
    QString item(int m) const;

    QLabel* instruction_;
    QList<PictureBox*> cells_;
    QList<PictureBox*> trayBoxes_;
    PictureBox* cover_;
    DoneButton* doneButton_;
    RememberPlaces task_;
    Timer& showTimer_;
    DragHelper drag_;
};

} // namespace zorna
