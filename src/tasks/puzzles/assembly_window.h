#pragma once

#include "tasks/common/task_window.h"
#include "tasks/puzzles/assembly_board.h"

#include <QList>

class QLabel;

namespace zorna {

class DoneButton;
class PictureBox;
class DragHelper;

// kletka25: a picture of 4 x 4 pieces is shown for three seconds, then its
// pieces are shuffled into the tray; the pupil drags them onto the board.
// The sixth wrong drop ends the task; the done button judges the board and
// marks wrong cells with blots for two seconds.
class AssemblyWindow : public TaskWindow {
    Q_OBJECT
public:
    AssemblyWindow(AppContext& ctx, TaskHost& host, const TaskSquare& task);

    void Form_Load() override;
    const AssemblyBoard& board() const { return board_; }
    int picture() const { return picture_; }
    int draggedPiece() const { return draggedPiece_; }

    static constexpr int kPictures = kAssemblyPictures;
    static constexpr int kSlots = 14;
    static constexpr int kPreviewTicks = 3;
    static constexpr int kBlotTicks = 2;

    void image3_MouseMove(int v);
    void winMal_DragDrop(int cell);
    void Image2_Click();

private:
    void Timer2_Timer();
    void rozbMal();
    void Timer1_Timer();
    QString piecePath(int piece) const;
    QPixmap piecePicture(int piece) const;
    void onDrop(QWidget* target);

    AssemblyBoard board_;
    int picture_ = 0;
    int draggedPiece_ = 0;
    QString draggedFile_;
    int previewTicks_ = 0;
    int blotTicks_ = 0;

    QLabel* winText;
    QList<PictureBox*> winMal;  // board cells 1..16 at index 0..15
    QList<PictureBox*> Kliaksa; // blots 1..16
    QList<PictureBox*> image3;  // tray 1..16
    DoneButton* Image2;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    Timer* Timer2;
    Timer* Timer1;
    DragHelper* drag;
};

} // namespace zorna
