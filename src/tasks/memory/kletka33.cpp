#include "tasks/memory/kletka33.h"

#include "platform/geometry.h"
#include "tasks/common/done_button.h"
#include "tasks/common/picture_box.h"

#include <QLabel>

#include <algorithm>

namespace zorna {

namespace {

// A random permutation of 1..6: distinct draws of r * 5 + 1. The bound only
// keeps a broken generator from hanging the window: it then takes the
// smallest value not drawn yet.
void drawPermutation(Rnd& rnd, std::array<int, 6>& table) {
    table.fill(0);
    auto used = [&](int v) { return std::find(table.begin(), table.end(), v) != table.end(); };
    for (int& entry : table) {
        int v = rnd.draw(5, 1);
        for (int attempt = 0; used(v) && attempt < 100000; ++attempt)
            v = rnd.draw(5, 1);
        for (v = used(v) ? 1 : v; used(v);)
            ++v;
        entry = v;
    }
}

} // namespace

Kletka33::Kletka33(AppContext& context, TaskHost& board, const TaskSquare& task)
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
        placeTw(cell, kCellLeft[(k - 1) % 3], kTop[(k - 1) / 3], 1215, 1215);
        setBackground(cell, Qt::white);
        cell->setFrameColour(QColor(0x80, 0x80, 0x80));
        Picture1.append(cell);
    }
    for (int i = 1; i <= 6; ++i) {
        auto* box = new PictureBox(this);
        box->setObjectName(QStringLiteral("Picture2_%1").arg(i));
        placeTw(box, kTrayLeft[(i - 1) % 3], kTop[(i - 1) / 3], 1215, 1215);
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
    connect(Picture3, &PictureBox::clicked, this, &Kletka33::Picture3_Click);

    // Placed at the top edge so that the whole sign shows.
    Image2 = new DoneButton(this);
    placeTw(Image2, 7080, 0, 930, 930);
    connect(Image2, &DoneButton::clicked, this, &Kletka33::Image2_Click);

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

void Kletka33::Form_Load() {
    winText->setText(QStringLiteral("Запам'ятай розташування предметів"));
    Picture3->show();
    setBusy(true);
    ctx.rnd.randomize();
    drawPermutation(ctx.rnd, place_);
    drawPermutation(ctx.rnd, tray_);
    drawPermutation(ctx.rnd, order_);
    placed_.fill(0);
    showNext_ = true;
    step_ = 0;
}

QString Kletka33::item(int m) const {
    return ctx.folder.taskPicture(task().windowNumber, m);
}

void Kletka33::Picture3_Click() {
    Timer1.start();
}

void Kletka33::Timer1_Timer() {
    if (showNext_) {
        ++step_;
        const int k = shownAt(step_);
        Picture1[k - 1]->showPicture(item(placeOf(k)));
        showNext_ = false;
        return;
    }
    for (PictureBox* cell : Picture1)
        cell->showPicture(QString());
    if (step_ == 6) {
        Timer1.stop();
        Dali();
    }
    showNext_ = true;
}

void Kletka33::Dali() {
    Picture3->hide();
    for (int i = 1; i <= 6; ++i) {
        Picture2[i - 1]->showPicture(item(trayOf(i)));
        drag_.makeDraggable(Picture2[i - 1]);
    }
    winText->setText(QStringLiteral("Розстав предмети по своїх місцях"));
}

void Kletka33::Picture2_MouseMove(int index) {
    current_ = trayOf(index);
}

void Kletka33::Picture1_DragDrop(int index) {
    if (!busy() || current_ == 0)
        return;
    Picture1[index - 1]->showPicture(item(current_));
    placed_[index - 1] = current_;
}

void Kletka33::Image2_Click() {
    if (!busy())
        return;
    bool check = true;
    for (int k = 1; k <= 6; ++k)
        if (placedIn(k) != placeOf(k))
            check = false;
    answer(check);
}

} // namespace zorna
