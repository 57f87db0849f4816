#include "tasks/puzzles/pyramid_window.h"

#include "platform/geometry.h"
#include "tasks/common/click_label.h"
#include "tasks/common/done_button.h"
#include "tasks/common/task_registry.h"

#include <QPainter>

namespace zorna {

constinit const std::array<PyramidLayout, 2> kPyramidLayouts{{
    {{.square = 26, .windowNumber = 28, .category = 5, .caption = "Завдання №26"},
     5,
     40,
     "Дозволяється зробити не більше 40 кроків",
     7590,
     4965,
     0x000040,
     {240, 2880, 5520},
     1695,
     1,
     {0x404040, 0x808080, 0xC0C0C0, 0xE0E0E0, 0xFFFFFF}},
    {{.square = 6, .windowNumber = 34, .category = 5, .caption = "Завдання №6"},
     4,
     20,
     "Дозволяється зробити не більше 20 кроків",
     7545,
     4665,
     0x400040,
     {360, 3000, 5640},
     1455,
     2,
     {0x808080, 0xC0C0C0, 0xE0E0E0, 0xFFFFFF}},
}};

const PyramidLayout* pyramidLayout(int windowNumber) {
    return rowOfWindow(kPyramidLayouts, windowNumber);
}

namespace {

// One window per layout.
const TaskRegistration registration{TaskFamily::Puzzles, openWindowOfRow<PyramidWindow, kPyramidLayouts>,
                                    kPyramidLayouts};

constexpr int kDiskHeight = 375;
constexpr int kBottomTop = 4080; // Top of a disk on the bottom slot
constexpr int kLevelStep = 360;
constexpr int kLiftedTop = 1950;
constexpr int kAxisX[3] = {1080, 3720, 6360};
constexpr int kAxisTop = 2400;
constexpr int kBaseY = 4440;

} // namespace

PyramidWindow::PyramidWindow(AppContext& context, TaskHost& board, const TaskSquare& task,
                             const PyramidLayout& layout)
    : TaskWindow(context, board, task), layout_(layout), pyramid_(layout.disks) {
    setClientSizeTw(this, layout.clientWidth, layout.clientHeight);
    setBackground(this, QColor(layout.background));

    instruction_ = new QLabel(this);
    instruction_->setObjectName(QStringLiteral("Label1"));
    placeTw(instruction_, 120, 120, 6015, 1095);
    instruction_->setFont(gameFont(QStringLiteral("Arial"), 9.75));
    instruction_->setWordWrap(true);
    instruction_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextColour(instruction_, QColor(0x000080));
    setBackground(instruction_, QColor(0xe0e0e0));

    limitText_ = new QLabel(QString::fromUtf8(layout.limitText), this);
    limitText_->setObjectName(QStringLiteral("Label2"));
    placeTw(limitText_, 120, 1320, 3615, 375);
    limitText_->setFont(gameFont(QStringLiteral("Arial"), 8.25));
    setTextColour(limitText_, QColor(0x8080ff));

    stepCount_ = new QLabel(this);
    stepCount_->setObjectName(QStringLiteral("Label3"));
    placeTw(stepCount_, 6480, 1200, 855, 375);
    stepCount_->setFont(gameFont(QStringLiteral("Arial"), 9.75));
    stepCount_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setTextColour(stepCount_, QColor(0xff00ff));

    doneButton_ = new DoneButton(ctx_.folder, this);
    placeTw(doneButton_, 6480, 240, 930, 930);
    connect(doneButton_, &DoneButton::clicked, this, &PyramidWindow::doneClicked);

    // Disks lie above the axis lines (painted on the window) and below the zones.
    for (int n = 1; n <= layout.disks; ++n) {
        auto* d = new QLabel(this);
        d->setObjectName(QStringLiteral("disk%1").arg(n));
        d->setFixedSize(tw(layout.zoneWidth - 240 * (n - 1)), tw(kDiskHeight));
        setBackground(d, QColor(layout.diskColours[n - 1]));
        disks_.append(d);
    }
    for (int a = 1; a <= 3; ++a) {
        auto* z = new ClickLabel(a, this);
        z->setObjectName(QStringLiteral("zona%1").arg(a));
        placeTw(z, layout.zoneLeft[a - 1], 2400, layout.zoneWidth, 2055);
        connect(z, &ClickLabel::clicked, this, &PyramidWindow::zoneClicked);
        zones_.append(z);
    }
}

void PyramidWindow::load() {
    setBusy(true);
    pyramid_ = Pyramid(layout_.disks);
    instruction_->setText(
        QStringLiteral("Переставляючи по одному диску, побудуй таку ж піраміду на червоній осі. "
                       "При цьому більший диск на менший ставити не можна."));
    stepCount_->setText(QStringLiteral("0"));
    placeDisks();
}

QPoint PyramidWindow::diskPlaceTw(int n, int axis, int level) const {
    return QPoint(layout_.zoneLeft[axis - 1] + 120 * (n - 1), kBottomTop - kLevelStep * (level - 1));
}

void PyramidWindow::placeDisks() {
    for (int a = 1; a <= 3; ++a) {
        for (int level = 1; level <= layout_.disks; ++level) {
            const int n = pyramid_.cell(layout_.disks + 1 - level, a);
            if (n == 0)
                continue;
            const QPoint p = diskPlaceTw(n, a, level);
            disks_[n - 1]->move(tw(p.x()), tw(p.y()));
        }
    }
}

void PyramidWindow::zoneClicked(int index) {
    if (!busy())
        return;
    switch (pyramid_.click(index)) {
    case Pyramid::Click::Ignored:
        return;
    case Pyramid::Click::Lifted: {
        QLabel* d = disks_[pyramid_.liftedDisk() - 1];
        d->move(d->x(), tw(kLiftedTop));
        return;
    }
    case Pyramid::Click::Moved:
        placeDisks();
        stepCount_->setText(QString::number(pyramid_.steps()));
        checkEnd();
        return;
    }
}

void PyramidWindow::checkEnd() {
    if (pyramid_.steps() > layout_.stepLimit) {
        ctx_.dialogs.show(this,
                          Message{QStringLiteral("Завдання не виконано"),
                                  QStringLiteral("Кількість Ваших кроків перевищує норму!\nДо побачення"),
                                  MsgIcon::Warning, MsgButtons::Ok});
        answer(false);
        return;
    }
    if (pyramid_.complete())
        answer(true);
}

void PyramidWindow::doneClicked() {
    if (!busy())
        return;
    const MsgAnswer a = ctx_.dialogs.show(this, Message{QStringLiteral("Закінчення виконання"),
                                                        QStringLiteral("Ви впевнені?"), MsgIcon::Question,
                                                        MsgButtons::YesNo});
    if (a == MsgAnswer::Yes)
        answer(false);
}

void PyramidWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    for (int a = 0; a < 3; ++a) {
        p.setPen(QPen(QColor(a == 2 ? 0x800000 : 0xE0E0E0), 3, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(tw(kAxisX[a]), tw(kAxisTop), tw(kAxisX[a]), tw(kBaseY));
    }
    p.setPen(QPen(QColor(0xC0C0C0), layout_.baseLineWidth, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(tw(120), tw(kBaseY), tw(7440), tw(kBaseY));
}

} // namespace zorna
