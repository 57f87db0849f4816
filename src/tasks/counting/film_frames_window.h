#pragma once

#include "tasks/common/drag_helper.h"
#include "tasks/common/task_window.h"
#include "tasks/counting/film_tables.h"

#include <QList>

#include <array>

class QLabel;

namespace zorna {

class DoneButton;

const FilmRow* filmRow(int windowNumber);

// One slot of the film strip, in pixels of the client area.
struct FilmSlot {
    int xFrom, xTo; // accepted drop X, inclusive
    int width;      // width used to centre the frame
};
inline constexpr std::array<FilmSlot, 4> kFilmSlots{{
    {43, 212, 168},
    {211, 380, 168},
    {379, 548, 169},
    {547, 716, 169},
}};

// Tasks 20 and 12: four shuffled frames of a story are dragged onto the four
// windows of a film strip in the story's order.
class FilmFramesWindow : public TaskWindow {
    Q_OBJECT
public:
    FilmFramesWindow(AppContext& ctx, TaskHost& host, const TaskSquare& task, const FilmRow& row);

    void Form_Load() override;

    int story() const { return deck()->current(); }
    // Story position of the frame shown in kadr(j), j = 1..4.
    int frameOrder(int j) const { return order_[j - 1]; }
    bool slotFilled(int k) const { return filled_[k - 1]; }
    // False once kadr(j) has been placed on the strip.
    bool frameMovable(int j) const;

    QLabel* winzavdan;
    DoneButton* Image2;
    QLabel* Image1;
    QList<QLabel*> kadr; // indexes 1..4 at 0..3

protected:
    void beforeHandBack() override;

private:
    void kadr_MouseDown(QWidget* frame);
    void Form_DragDrop(QWidget* source, QPoint pos);
    void Image2_Click();
    void readRecord();
    void setFrameMovable(QWidget* frame, bool on);
    QString framePath(int n, int f) const;

    const FilmRow& row_;
    DragHelper drag_;
    std::array<int, 4> order_{};
    std::array<bool, 4> filled_{};
};

} // namespace zorna
