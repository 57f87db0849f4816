#pragma once

#include "tasks/common/left_click.h"

#include <QWidget>

namespace zorna {

class ProgramFolder;

// A transparent answer region over a task
// picture. It shows the pointing-hand cursor; pressing loads "h_move.cur",
// releasing loads "h_point.cur" (and, where asked, so does every movement).
// A press and release on the region is a click.
class AnswerRegion : public QWidget {
    Q_OBJECT
public:
    AnswerRegion(int index, const ProgramFolder& folder, QWidget* parent);

    int index() const { return index_; }
    // Every mouse movement over the region reloads "h_point.cur".
    void setReloadOnMove(bool on) { reloadOnMove_ = on; }
    // Without the swap the region keeps its pointing hand while pressed.
    void setCursorSwap(bool on) { cursorSwap_ = on; }

signals:
    // A left-button press and release inside the region (Click).
    void clicked(int index);
    // Any mouse button pressed on the region (MouseDown).
    void pressed(int index, QPoint pos);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void loadCursor(const QString& file);

    int index_;
    const ProgramFolder& folder_;
    bool reloadOnMove_ = false;
    bool cursorSwap_ = true;
    LeftClick click_;
};

// The pointing hand of the program folder's drawings (32 x 32, hot spot 12, 1);
// Qt's pointing hand when its picture is missing.
QCursor pointingHandCursor(const ProgramFolder& folder);

} // namespace zorna
