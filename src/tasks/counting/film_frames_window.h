#pragma once

#include "tasks/common/drag_helper.h"
#include "tasks/common/task_window.h"
#include "tasks/counting/film_strip.h"
#include "tasks/counting/film_tables.h"

#include <QList>

class QLabel;

namespace zorna {

class DoneButton;

const FilmRow* filmRow(int windowNumber);

// Tasks 20 and 12: four shuffled frames of a story are dragged onto the four
// windows of a film strip in the story's order.
class FilmFramesWindow : public TaskWindow {
    Q_OBJECT
public:
    FilmFramesWindow(AppContext& ctx, TaskHost& host, const TaskSquare& task, const FilmRow& row);

    void Form_Load() override;

    int story() const { return deck()->current(); }
    // Story position of the frame shown in kadr(j), j = 1..4.
    int frameOrder(int j) const { return strip_.order(j); }
    bool slotFilled(int k) const { return strip_.filled(k); }
    const FilmStrip& strip() const { return strip_; }
    // False once kadr(j) has been placed on the strip.
    bool frameMovable(int j) const;

    QLabel* winzavdan;
    DoneButton* Image2;
    QLabel* Image1;
    QList<QLabel*> kadr; // indexes 1..4 at 0..3

private:
    void kadr_MouseDown(QWidget* frame);
    void Form_DragDrop(QWidget* source, QPoint pos);
    void Image2_Click();
    void readRecord();
    void setFrameMovable(QWidget* frame, bool on);
    QString framePath(int n, int f) const;

    const FilmRow& row_;
    DragHelper drag_;
    FilmStrip strip_;
};

} // namespace zorna
