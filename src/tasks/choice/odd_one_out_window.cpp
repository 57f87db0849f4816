#include "tasks/choice/odd_one_out_window.h"

#include "platform/geometry.h"
#include "platform/pictures.h"
#include "platform/text_fit.h"
#include "tasks/common/task_registry.h"

namespace zorna {

namespace {

const TaskRegistration registration{
    TaskFamily::Choice,
    openWindow<OddOneOutWindow>,
    {.square = 16, .windowNumber = choice::kOddWindow, .category = 4, .caption = "Завдання №16"}};

} // namespace

using namespace choice;

OddOneOutWindow::OddOneOutWindow(AppContext& context, TaskHost& board, const TaskSquare& task)
    : TaskWindow(context, board, task) {
    setClientSizeTw(this, 6540, 6975);

    // The instruction belongs to the window's design.
    instruction_ = new QLabel(QString::fromUtf8(kOddInstruction), this);
    instruction_->setObjectName(QStringLiteral("Label1"));
    placeTw(instruction_, 120, 120, 6255, 1335);
    instruction_->setFont(gameFont(QStringLiteral("MS Sans Serif"), 12, true));
    instruction_->setWordWrap(true);
    instruction_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextColour(instruction_, QColor(0x000080));
    shrinkToFit(instruction_);

    picture_ = new PictureBox(this, Qt::transparent);
    picture_->setObjectName(QStringLiteral("winMal"));
    const Twips& m = kOddPictureTwips;
    placeTw(picture_, m.left, m.top, m.width, m.height);

    for (int i = 0; i < 5; ++i) {
        const TwipsCorner& b = kOddButtonCorners[i];
        auto* button = new AnswerRegion(i + 1, ctx_.folder, this);
        button->setObjectName(QStringLiteral("NumVidp%1").arg(i + 1));
        const rules::Drawing& coin = rules::drawings::kCoins[i];
        button->setGeometry(QRect(QPoint(tw(b.left), tw(b.top)), coin.size()));
        // These buttons keep their pointing hand while pressed.
        button->setCursorSwap(false);
        auto* face = new QLabel(button);
        face->setGeometry(button->rect());
        face->setPixmap(loadDrawing(ctx_.folder, coin));
        face->setAttribute(Qt::WA_TransparentForMouseEvents);
        connect(button, &AnswerRegion::clicked, this, &OddOneOutWindow::numberClicked);
        numberButtons_[i] = button;
    }
    useDeck(kOddPictureCount);
}

void OddOneOutWindow::load() {
    setBusy(true);
    answers_ = kOddAnswers;
    const int n = loadAndDrawPicture();
    picture_->showPicture(picturePath(n));
}

void OddOneOutWindow::numberClicked(int index) {
    if (!busy())
        return;
    answer(index == answers_[current() - 1]);
}

} // namespace zorna
