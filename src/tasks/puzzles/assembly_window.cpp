#include "tasks/puzzles/assembly_window.h"

#include "platform/geometry.h"
#include "platform/pictures.h"
#include "tasks/common/done_button.h"
#include "tasks/common/drag_helper.h"
#include "tasks/common/picture_box.h"
#include "tasks/puzzles/puzzle_widgets.h"

namespace zorna {

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

    winText = new QLabel(this);
    winText->setObjectName(QStringLiteral("winText"));
    placeTw(winText, 120, 0, 7215, 1215);
    winText->setFont(gameFont(QStringLiteral("Arial"), 11.25, true));
    winText->setWordWrap(true);
    winText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    winText->setStyleSheet(QStringLiteral("QLabel { color: #0000ff; border: 1px solid black; }"));

    const QPixmap blot = puzzlePicture(QStringLiteral("blot.svg"), QSize(tw(675), tw(705)));
    for (int i = 1; i <= AssemblyBoard::kCells; ++i) {
        auto* cell = new PictureBox(this, QColor(0xD4D0C8));
        cell->setFrameColour(QColor(0x404040));
        cell->setObjectName(QStringLiteral("winMal%1").arg(i));
        placeTw(cell, 120 + 960 * ((i - 1) % 4), 1320 + 960 * ((i - 1) / 4), kPuzzleCellTwips,
                kPuzzleCellTwips);
        winMal.append(cell);

        auto* k = new PictureBox(cell, Qt::transparent);
        k->setObjectName(QStringLiteral("Kliaksa%1").arg(i));
        placeTw(k, 120, 120, 675, 705);
        k->setPixmapPicture(blot);
        k->hide();
        Kliaksa.append(k);
    }

    drag = new DragHelper(this);
    for (int v = 1; v <= AssemblyBoard::kCells; ++v) {
        auto* image = new PictureBox(this, Qt::transparent);
        image->setObjectName(QStringLiteral("image3_%1").arg(v));
        placeTw(image, 4200 + 1080 * ((v - 1) % 4), 1320 + 1080 * ((v - 1) / 4), kPuzzleCellTwips,
                kPuzzleCellTwips);
        drag->makeDraggable(image);
        image3.append(image);
    }
    drag->onStart([this](QWidget* source) {
        const int v = indexOfControl(image3, source) + 1;
        if (v >= 1)
            image3_MouseMove(v);
    });
    drag->onDrop([this](const DragHelper::Drop& d) { onDrop(d.target); });

    Image2 = new DoneButton(this);
    placeTw(Image2, 7560, 240, 930, 930);
    connect(Image2, &DoneButton::clicked, this, &AssemblyWindow::Image2_Click);

    Label1 = new QLabel(QStringLiteral("Помилок:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    placeTw(Label1, 120, 5280, 975, 375);
    Label1->setFont(gameFont(QStringLiteral("Arial"), 9.75));
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    placeTw(Label2, 1080, 5280, 375, 375);
    Label2->setFont(gameFont(QStringLiteral("Arial"), 12));
    setTextColour(Label2, QColor(0x0000ff));
    Label3 = new QLabel(QStringLiteral("(Допускається 5 помилок)"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    placeTw(Label3, 1440, 5280, 2535, 375);
    Label3->setFont(gameFont(QStringLiteral("Arial"), 9.75));

    Timer2 = &addTimer(1000, [this] { Timer2_Timer(); });
    Timer1 = &addTimer(1000, [this] { Timer1_Timer(); });
}

void AssemblyWindow::Form_Load() {
    setBusy(true);
    board_ = AssemblyBoard();
    winText->setText(QStringLiteral("Подивись на малюнок"));
    picture_ = loadAndDrawPicture();
    // The preview: the whole picture in the tray, pieces in order; no input.
    setEnabled(false);
    QStringList pieces;
    for (int piece = 1; piece <= AssemblyBoard::kCells; ++piece)
        pieces.append(piecePath(piece));
    const QList<QPixmap> pictures = loadPictures(pieces);
    for (int v = 1; v <= AssemblyBoard::kCells; ++v)
        image3[v - 1]->setPixmapPicture(pictures.at(v - 1));
    previewTicks_ = 0;
    Timer2->start();
    Label2->setText(QStringLiteral("0"));
}

QString AssemblyWindow::piecePath(int piece) const {
    return ctx.folder.taskFile(task().windowNumber, QStringLiteral("%1/%2.jpg").arg(picture_).arg(piece));
}

QPixmap AssemblyWindow::piecePicture(int piece) const {
    return loadPicture(piecePath(piece));
}

void AssemblyWindow::Timer2_Timer() {
    if (++previewTicks_ < kPreviewTicks)
        return;
    setEnabled(true);
    Timer2->stop();
    rozbMal();
}

void AssemblyWindow::rozbMal() {
    winText->setText(QStringLiteral("Склади малюнок за його частинами"));
    ctx.rnd.randomize();
    board_.shuffleTray(ctx.rnd);
    for (int v = 1; v <= AssemblyBoard::kCells; ++v)
        image3[v - 1]->setPixmapPicture(piecePicture(board_.trayPiece(v)));
}

void AssemblyWindow::image3_MouseMove(int v) {
    draggedPiece_ = board_.trayPiece(v);
    draggedFile_ = QString::number(draggedPiece_) + QStringLiteral(".jpg");
}

void AssemblyWindow::onDrop(QWidget* target) {
    // The drop may land on a cell's (hidden or shown) blot: find the cell itself.
    for (QWidget* w = target; w && w != this; w = w->parentWidget()) {
        const int i = indexOfControl(winMal, w);
        if (i >= 0) {
            winMal_DragDrop(i + 1);
            return;
        }
    }
}

void AssemblyWindow::winMal_DragDrop(int cell) {
    if (!busy() || !isEnabled() || draggedPiece_ < 1)
        return;
    winMal[cell - 1]->setPixmapPicture(loadPicture(
        ctx.folder.taskFile(task().windowNumber, QStringLiteral("%1/%2").arg(picture_).arg(draggedFile_))));
    if (board_.drop(cell, draggedPiece_))
        return;
    Label2->setText(QString::number(board_.errors()));
    if (board_.tooManyErrors())
        answer(false);
}

void AssemblyWindow::Image2_Click() {
    if (!busy() || !isEnabled())
        return;
    if (board_.complete()) {
        answer(true);
        return;
    }
    for (int i = 1; i <= AssemblyBoard::kCells; ++i)
        Kliaksa[i - 1]->setVisible(board_.wrongCell(i));
    setEnabled(false);
    blotTicks_ = 0;
    Timer1->start();
}

void AssemblyWindow::Timer1_Timer() {
    if (++blotTicks_ < kBlotTicks)
        return;
    Timer1->stop();
    answer(false);
}

} // namespace zorna
