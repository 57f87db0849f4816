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

    void load() override;
    const AssemblyBoard& board() const { return board_; }
    int picture() const { return picture_; }
    int draggedPiece() const { return draggedPiece_; }

    static constexpr int kPictures = kAssemblyPictures;
    static constexpr int kSlots = 14;
    static constexpr int kPreviewTicks = 3;
    static constexpr int kBlotTicks = 2;

    // The board cell c (1..16), the blot over it, and the tray box v (1..16).
    PictureBox* boardCell(int c) const { return boardCells_.at(c - 1); }
    PictureBox* blot(int c) const { return blots_.at(c - 1); }
    PictureBox* trayBox(int v) const { return trayBoxes_.at(v - 1); }
    QLabel* instructionLabel() const { return instruction_; }
    QLabel* errorCountLabel() const { return errorCount_; }
    DoneButton* doneButton() const { return doneButton_; }

private:
    void trayPiecePointed(int v);
    void pieceDropped(int cell);
    void doneClicked();
    void onPreviewTick();
    void shuffleTray();
    void onBlotTick();
    QString piecePath(int piece) const;
    QPixmap piecePicture(int piece) const;
    void onDrop(QWidget* target);

    AssemblyBoard board_;
    int picture_ = 0;
    int draggedPiece_ = 0;
    QString draggedFile_;
    int previewTicks_ = 0;
    int blotTicks_ = 0;

    QLabel* instruction_;
    QList<PictureBox*> boardCells_;
    QList<PictureBox*> blots_;
    QList<PictureBox*> trayBoxes_;
    DoneButton* doneButton_;
    QLabel* errorsCaption_;
    QLabel* errorCount_;
    QLabel* errorLimit_;
    Timer* previewTimer_;
    Timer* blotTimer_;
    DragHelper* drag_;
};

} // namespace zorna
