#include "tasks/puzzles/assembly_window.h"

#include "platform/geometry.h"
#include "platform/pictures.h"
#include "tasks/common/done_button.h"
#include "tasks/common/drag_helper.h"
#include "tasks/common/picture_box.h"
#include "tasks/common/task_registry.h"

namespace zorna {

namespace {

const TaskRegistration registration{
    TaskFamily::Puzzles,
    openWindow<AssemblyWindow>,
    {.square = 21, .windowNumber = 25, .category = 2, .caption = "Завдання №21"}};

} // namespace

AssemblyWindow::AssemblyWindow(AppContext& context, TaskHost& board, const TaskSquare& task)
    : TaskWindow(context, board, task) {
    setClientSizeTw(this, 8685, 5775);
    setBackground(this, QColor(0xF0F0F0));
    // The window is disabled during the preview and the blots only to take no
    // input: it keeps its colours then.
    QPalette keep = palette();
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        keep.setColor(QPalette::Disabled, role, keep.color(QPalette::Active, role));
    setPalette(keep);
    useDeck(kPictures, kSlots);

    instruction_ = new QLabel(this);
    instruction_->setObjectName(QStringLiteral("winText"));
    placeTw(instruction_, 120, 0, 7215, 1215);
    instruction_->setFont(gameFont(QStringLiteral("Arial"), 11.25, true));
    instruction_->setWordWrap(true);
    instruction_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    instruction_->setStyleSheet(QStringLiteral("QLabel { color: #0000ff; border: 1px solid black; }"));

    const QPixmap blot = loadDrawing(ctx_.folder, rules::drawings::kAssemblyBlot);
    for (int i = 1; i <= AssemblyBoard::kCells; ++i) {
        auto* cell = new PictureBox(this, QColor(0xD4D0C8));
        cell->setFrameColour(QColor(0x404040));
        cell->setObjectName(QStringLiteral("winMal%1").arg(i));
        placeTw(cell, 120 + 960 * ((i - 1) % 4), 1320 + 960 * ((i - 1) / 4), kPuzzleCellTwips,
                kPuzzleCellTwips);
        boardCells_.append(cell);

        auto* k = new PictureBox(cell, Qt::transparent);
        k->setObjectName(QStringLiteral("Kliaksa%1").arg(i));
        placeTw(k, 120, 120, 675, 705);
        k->setPixmapPicture(blot);
        k->hide();
        blots_.append(k);
    }

    drag_ = new DragHelper(this);
    for (int v = 1; v <= AssemblyBoard::kCells; ++v) {
        auto* image = new PictureBox(this, Qt::transparent);
        image->setObjectName(QStringLiteral("image3_%1").arg(v));
        placeTw(image, 4200 + 1080 * ((v - 1) % 4), 1320 + 1080 * ((v - 1) / 4), kPuzzleCellTwips,
                kPuzzleCellTwips);
        drag_->makeDraggable(image);
        trayBoxes_.append(image);
    }
    drag_->onStart([this](QWidget* source) {
        const int v = indexOfControl(trayBoxes_, source) + 1;
        if (v >= 1)
            trayPiecePointed(v);
    });
    drag_->onDrop([this](const DragHelper::Drop& d) { onDrop(d.target); });

    doneButton_ = new DoneButton(ctx_.folder, this);
    placeTw(doneButton_, 7560, 240, 930, 930);
    connect(doneButton_, &DoneButton::clicked, this, &AssemblyWindow::doneClicked);

    errorsCaption_ = new QLabel(QStringLiteral("Помилок:"), this);
    errorsCaption_->setObjectName(QStringLiteral("Label1"));
    placeTw(errorsCaption_, 120, 5280, 975, 375);
    errorsCaption_->setFont(gameFont(QStringLiteral("Arial"), 9.75));
    errorCount_ = new QLabel(this);
    errorCount_->setObjectName(QStringLiteral("Label2"));
    placeTw(errorCount_, 1080, 5280, 375, 375);
    errorCount_->setFont(gameFont(QStringLiteral("Arial"), 12));
    setTextColour(errorCount_, QColor(0x0000ff));
    errorLimit_ = new QLabel(QStringLiteral("(Допускається 5 помилок)"), this);
    errorLimit_->setObjectName(QStringLiteral("Label3"));
    placeTw(errorLimit_, 1440, 5280, 2535, 375);
    errorLimit_->setFont(gameFont(QStringLiteral("Arial"), 9.75));

    previewTimer_ = &addTimer(1000, [this] { onPreviewTick(); });
    blotTimer_ = &addTimer(1000, [this] { onBlotTick(); });
}

void AssemblyWindow::load() {
    setBusy(true);
    board_ = AssemblyBoard();
    instruction_->setText(QStringLiteral("Подивись на малюнок"));
    picture_ = loadAndDrawPicture();
    // The preview: the whole picture in the tray, pieces in order; no input.
    setEnabled(false);
    QStringList pieces;
    for (int piece = 1; piece <= AssemblyBoard::kCells; ++piece)
        pieces.append(piecePath(piece));
    const QList<QPixmap> pictures = loadPictures(pieces);
    for (int v = 1; v <= AssemblyBoard::kCells; ++v)
        trayBoxes_[v - 1]->setPixmapPicture(pictures.at(v - 1));
    previewTicks_ = 0;
    previewTimer_->start();
    errorCount_->setText(QStringLiteral("0"));
}

QString AssemblyWindow::piecePath(int piece) const {
    return ctx_.folder.taskFile(task().windowNumber, QStringLiteral("%1/%2.jpg").arg(picture_).arg(piece));
}

QPixmap AssemblyWindow::piecePicture(int piece) const {
    return loadPicture(piecePath(piece));
}

void AssemblyWindow::onPreviewTick() {
    if (++previewTicks_ < kPreviewTicks)
        return;
    setEnabled(true);
    previewTimer_->stop();
    shuffleTray();
}

void AssemblyWindow::shuffleTray() {
    instruction_->setText(QStringLiteral("Склади малюнок за його частинами"));
    ctx_.rnd.randomize();
    board_.shuffleTray(ctx_.rnd);
    for (int v = 1; v <= AssemblyBoard::kCells; ++v)
        trayBoxes_[v - 1]->setPixmapPicture(piecePicture(board_.trayPiece(v)));
}

void AssemblyWindow::trayPiecePointed(int v) {
    draggedPiece_ = board_.trayPiece(v);
    draggedFile_ = QString::number(draggedPiece_) + QStringLiteral(".jpg");
}

void AssemblyWindow::onDrop(QWidget* target) {
    // The drop may land on a cell's (hidden or shown) blot: find the cell itself.
    for (QWidget* w = target; w && w != this; w = w->parentWidget()) {
        const int i = indexOfControl(boardCells_, w);
        if (i >= 0) {
            pieceDropped(i + 1);
            return;
        }
    }
}

void AssemblyWindow::pieceDropped(int cell) {
    if (!busy() || !isEnabled() || draggedPiece_ < 1)
        return;
    boardCells_[cell - 1]->setPixmapPicture(loadPicture(
        ctx_.folder.taskFile(task().windowNumber, QStringLiteral("%1/%2").arg(picture_).arg(draggedFile_))));
    if (board_.drop(cell, draggedPiece_))
        return;
    errorCount_->setText(QString::number(board_.errors()));
    if (board_.tooManyErrors())
        answer(false);
}

void AssemblyWindow::doneClicked() {
    if (!busy() || !isEnabled())
        return;
    if (board_.complete()) {
        answer(true);
        return;
    }
    for (int i = 1; i <= AssemblyBoard::kCells; ++i)
        blots_[i - 1]->setVisible(board_.wrongCell(i));
    setEnabled(false);
    blotTicks_ = 0;
    blotTimer_->start();
}

void AssemblyWindow::onBlotTick() {
    if (++blotTicks_ < kBlotTicks)
        return;
    blotTimer_->stop();
    answer(false);
}

} // namespace zorna
