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

    void load() override;

    int story() const { return deck()->current(); }
    // Story position of the frame shown in frame(j), j = 1..4.
    int frameOrder(int j) const { return strip_.order(j); }
    bool slotFilled(int k) const { return strip_.filled(k); }
    const FilmStrip& strip() const { return strip_; }
    // False once frame(j) has been placed on the strip.
    bool frameMovable(int j) const;

    QLabel* instructionLabel() const { return instruction_; }
    DoneButton* doneButton() const { return doneButton_; }
    // The film strip's picture behind the frames.
    QLabel* filmLabel() const { return film_; }
    // The frame j (1..4).
    QLabel* frame(int j) const { return frames_.at(j - 1); }

private:
    void frameDragStarted(QWidget* frame);
    void frameDropped(QWidget* source, QPoint pos);
    void doneClicked();
    void readRecord();
    void setFrameMovable(QWidget* frame, bool on);
    QString framePath(int n, int f) const;

    QLabel* instruction_;
    DoneButton* doneButton_;
    QLabel* film_;
    QList<QLabel*> frames_;
    const FilmRow& row_;
    DragHelper drag_;
    FilmStrip strip_;
};

} // namespace zorna
