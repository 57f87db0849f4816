#include "tasks/memory/remember_places_window.h"

#include "platform/geometry.h"
#include "tasks/common/done_button.h"
#include "tasks/common/picture_box.h"

#include <QLabel>

namespace zorna {

RememberPlacesWindow::RememberPlacesWindow(AppContext& context, TaskHost& board, const TaskSquare& task)
    : TaskWindow(context, board, task), winText(new QLabel(this)), Picture3(nullptr), Image2(nullptr),
      Timer1(addTimer(1000, [this] { Timer1_Timer(); })), drag_(this) {
    setClientSizeTw(this, 8130, 3450);

    winText->setObjectName(QStringLiteral("winText"));
    placeTw(winText, 120, 0, 6855, 495);
    winText->setFont(gameFont(QStringLiteral("MS Sans Serif"), 13.5, true));
    winText->setAlignment(Qt::AlignCenter);

    static constexpr int kCellLeft[] = {360, 1560, 2760};
    static constexpr int kTrayLeft[] = {4200, 5400, 6600};
    static constexpr int kTop[] = {840, 2040};
    for (int k = 1; k <= 6; ++k) {
        auto* cell = new PictureBox(this);
        cell->setObjectName(QStringLiteral("Picture1_%1").arg(k));
        placeTw(cell, kCellLeft[(k - 1) % 3], kTop[(k - 1) / 3], kPlaceCellTwips, kPlaceCellTwips);
        setBackground(cell, Qt::white);
        cell->setFrameColour(QColor(0x80, 0x80, 0x80));
        Picture1.append(cell);
    }
    for (int i = 1; i <= 6; ++i) {
        auto* box = new PictureBox(this);
        box->setObjectName(QStringLiteral("Picture2_%1").arg(i));
        placeTw(box, kTrayLeft[(i - 1) % 3], kTop[(i - 1) / 3], kPlaceCellTwips, kPlaceCellTwips);
        setBackground(box, Qt::white);
        box->setFrameColour(QColor(0x80, 0x80, 0x80));
        box->setMouseTracking(true);
        connect(box, &PictureBox::moved, this, [this, i] { Picture2_MouseMove(i); });
        Picture2.append(box);
    }

    // The cover lies in front of the tray and hides it exactly.
    Picture3 = new PictureBox(this);
    Picture3->setObjectName(QStringLiteral("Picture3"));
    placeTw(Picture3, 4200, 840, 3615, 2415);
    Picture3->setPixmapPicture(renderPicture(QStringLiteral(":/memory/cover.svg"), Picture3->size()));
    connect(Picture3, &PictureBox::clicked, this, &RememberPlacesWindow::Picture3_Click);

    // Placed at the top edge so that the whole sign shows.
    Image2 = new DoneButton(this);
    placeTw(Image2, 7080, 0, 930, 930);
    connect(Image2, &DoneButton::clicked, this, &RememberPlacesWindow::Image2_Click);

    drag_.onStart([this](QWidget* source) {
        const int i = indexOfControl(Picture2, source);
        if (i >= 0)
            Picture2_MouseMove(i + 1);
    });
    drag_.onDrop([this](const DragHelper::Drop& drop) {
        const int k = indexOfControl(Picture1, drop.target);
        if (k >= 0)
            Picture1_DragDrop(k + 1);
    });
}

void RememberPlacesWindow::Form_Load() {
    winText->setText(QStringLiteral("Запам'ятай розташування предметів"));
    Picture3->show();
    setBusy(true);
    ctx.rnd.randomize();
    task_.draw(ctx.rnd);
}

QString RememberPlacesWindow::item(int m) const {
    return ctx.folder.taskPicture(task().windowNumber, m);
}

void RememberPlacesWindow::Picture3_Click() {
    Timer1.start();
}

void RememberPlacesWindow::Timer1_Timer() {
    const RememberPlaces::ShowStep step = task_.showTick();
    if (step.cell != 0) {
        Picture1[step.cell - 1]->showPicture(item(step.item));
        return;
    }
    for (PictureBox* cell : Picture1)
        cell->showPicture(QString());
    if (step.over) {
        Timer1.stop();
        Dali();
    }
}

void RememberPlacesWindow::Dali() {
    Picture3->hide();
    for (int i = 1; i <= 6; ++i) {
        Picture2[i - 1]->showPicture(item(trayOf(i)));
        drag_.makeDraggable(Picture2[i - 1]);
    }
    winText->setText(QStringLiteral("Розстав предмети по своїх місцях"));
}

void RememberPlacesWindow::Picture2_MouseMove(int index) {
    task_.pointAt(index);
}

void RememberPlacesWindow::Picture1_DragDrop(int index) {
    if (!busy())
        return;
    if (const int placed = task_.drop(index))
        Picture1[index - 1]->showPicture(item(placed));
}

void RememberPlacesWindow::Image2_Click() {
    if (!busy())
        return;
    answer(task_.allInPlace());
}

} // namespace zorna
