#include "tasks/memory/remember_places_window.h"

#include "platform/geometry.h"
#include "platform/pictures.h"
#include "tasks/common/done_button.h"
#include "tasks/common/picture_box.h"
#include "tasks/common/task_registry.h"

#include <QLabel>

namespace zorna {

namespace {

const TaskRegistration registration{
    TaskFamily::Memory,
    openWindow<RememberPlacesWindow>,
    {.square = 32, .windowNumber = 33, .category = 7, .caption = "Завдання № 32"}};

constexpr int kCellLeft[] = {360, 1560, 2760};
constexpr int kTrayLeft[] = {4200, 5400, 6600};
constexpr int kTop[] = {840, 2040};

// Box k (1..6) of a grid of two rows of three whose columns start at `left`:
// white, framed in grey.
PictureBox* newGridBox(QWidget* parent, const QString& name, const int (&left)[3], int k) {
    auto* box = new PictureBox(parent);
    box->setObjectName(name);
    placeTw(box, left[(k - 1) % 3], kTop[(k - 1) / 3], kPlaceCellTwips, kPlaceCellTwips);
    setBackground(box, Qt::white);
    box->setFrameColour(QColor(0x80, 0x80, 0x80));
    return box;
}

} // namespace

RememberPlacesWindow::RememberPlacesWindow(AppContext& context, TaskHost& board, const TaskSquare& task)
    : TaskWindow(context, board, task), instruction_(new QLabel(this)), cover_(nullptr), doneButton_(nullptr),
      showTimer_(addTimer(1000, [this] { onShowTick(); })), drag_(this) {
    setClientSizeTw(this, 8130, 3450);

    instruction_->setObjectName(QStringLiteral("winText"));
    placeTw(instruction_, 120, 0, 6855, 495);
    instruction_->setFont(gameFont(QStringLiteral("MS Sans Serif"), 13.5, true));
    instruction_->setAlignment(Qt::AlignCenter);

    for (int k = 1; k <= 6; ++k)
        cells_.append(newGridBox(this, QStringLiteral("Picture1_%1").arg(k), kCellLeft, k));
    for (int i = 1; i <= 6; ++i) {
        PictureBox* box = newGridBox(this, QStringLiteral("Picture2_%1").arg(i), kTrayLeft, i);
        box->setMouseTracking(true);
        connect(box, &PictureBox::moved, this, [this, i] { trayItemPointed(i); });
        trayBoxes_.append(box);
    }

    // The cover lies in front of the tray and hides it exactly.
    cover_ = new PictureBox(this);
    cover_->setObjectName(QStringLiteral("Picture3"));
    cover_->setGeometry(QRect(QPoint(tw(4200), tw(840)), rules::drawings::kPlacesCover.size()));
    cover_->setPixmapPicture(loadDrawing(ctx_.folder, rules::drawings::kPlacesCover));
    connect(cover_, &PictureBox::clicked, this, &RememberPlacesWindow::coverClicked);

    // Placed at the top edge so that the whole sign shows.
    doneButton_ = new DoneButton(ctx_.folder, this);
    placeTw(doneButton_, 7080, 0, 930, 930);
    connect(doneButton_, &DoneButton::clicked, this, &RememberPlacesWindow::doneClicked);

    drag_.onStart([this](QWidget* source) {
        const int i = indexOfControl(trayBoxes_, source);
        if (i >= 0)
            trayItemPointed(i + 1);
    });
    drag_.onDrop([this](const DragHelper::Drop& drop) {
        const int k = indexOfControl(cells_, drop.target);
        if (k >= 0)
            itemDropped(k + 1);
    });
}

void RememberPlacesWindow::load() {
    instruction_->setText(QStringLiteral("Запам'ятай розташування предметів"));
    cover_->show();
    setBusy(true);
    ctx_.rnd.randomize();
    task_.draw(ctx_.rnd);
}

QString RememberPlacesWindow::item(int m) const {
    return ctx_.folder.taskPicture(task().windowNumber, m);
}

void RememberPlacesWindow::coverClicked() {
    showTimer_.start();
}

void RememberPlacesWindow::onShowTick() {
    const RememberPlaces::ShowStep step = task_.showTick();
    if (step.cell != 0) {
        cells_[step.cell - 1]->showPicture(item(step.item));
        return;
    }
    for (PictureBox* cell : cells_)
        cell->showPicture(QString());
    if (step.over) {
        showTimer_.stop();
        startPlacing();
    }
}

void RememberPlacesWindow::startPlacing() {
    cover_->hide();
    for (int i = 1; i <= 6; ++i) {
        trayBoxes_[i - 1]->showPicture(item(trayOf(i)));
        drag_.makeDraggable(trayBoxes_[i - 1]);
    }
    instruction_->setText(QStringLiteral("Розстав предмети по своїх місцях"));
}

void RememberPlacesWindow::trayItemPointed(int index) {
    task_.pointAt(index);
}

void RememberPlacesWindow::itemDropped(int index) {
    if (!busy())
        return;
    if (const int placed = task_.drop(index))
        cells_[index - 1]->showPicture(item(placed));
}

void RememberPlacesWindow::doneClicked() {
    if (!busy())
        return;
    answer(task_.allInPlace());
}

} // namespace zorna
