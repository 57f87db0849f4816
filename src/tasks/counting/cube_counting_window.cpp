#include "tasks/counting/cube_counting_window.h"

#include "platform/geometry.h"
#include "tasks/common/answer_region.h"
#include "tasks/common/done_button.h"
#include "tasks/common/task_registry.h"

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>

#include <cmath>

namespace zorna {

namespace {

const TaskRegistration missingCubesRegistration{
    TaskFamily::Counting,
    openWindow<MissingCubesWindow>,
    {.square = 24, .windowNumber = 22, .category = 3, .caption = "Завдання №24"}};
const TaskRegistration countCubesRegistration{
    TaskFamily::Counting,
    openWindow<CountCubesWindow>,
    {.square = 18, .windowNumber = 23, .category = 3, .caption = "Завдання №18"}};

} // namespace

QString trimSpaces(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(begin, end - begin);
}

std::optional<int> toInt16(const QString& text) {
    QString number = trimSpaces(text);
    number.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    // The default rounding mode rounds halves to the even neighbour.
    const double rounded = std::nearbyint(value);
    if (rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    return int(rounded);
}

CubeCountingWindow::CubeCountingWindow(AppContext& context, TaskHost& board, const TaskSquare& task,
                                       const char* instruction)
    : TaskWindow(context, board, task), instruction_(new QLabel(this)),
      picture_(new PictureBox(this, Qt::white)), doneButton_(new DoneButton(ctx_.folder, this)),
      instructionText_(instruction) {
    instruction_->setObjectName(QStringLiteral("winText"));
    instruction_->setFont(gameFont(QStringLiteral("Arial"), 11.25, true));
    instruction_->setWordWrap(true);
    instruction_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture_->setObjectName(QStringLiteral("winMal"));
    connect(doneButton_, &DoneButton::clicked, this, [this] { doneClicked(); });
    useDeck(kCubePictures);
}

void CubeCountingWindow::load() {
    setBusy(true);
    fillAnswers();
    instruction_->setText(QString::fromUtf8(instructionText_));
    loadDeck();
    drawPicture();
}

void CubeCountingWindow::drawPicture() {
    const int n = picDeck().drawPicture(ctx_.rnd);
    picture_->showPicture(picturePath(n));
}

MissingCubesWindow::MissingCubesWindow(AppContext& context, TaskHost& board, const TaskSquare& task)
    : CubeCountingWindow(context, board, task, "Скільки кубиків не вистачає в кожного з п'яти малюнків?") {
    setClientSizeTw(this, 6540, 6150);
    placeTw(instruction_, 120, 0, 5175, 1215);
    placeTw(doneButton_, 5520, 120, 930, 930);
    placeTw(picture_, kMissingPictureTwips.left, kMissingPictureTwips.top, kMissingPictureTwips.width,
            kMissingPictureTwips.height);
    static constexpr int kBoxLeft[] = {480, 1680, 2880, 4080, 5280};
    static constexpr int kLabelLeft[] = {240, 1440, 2640, 3840, 5040};
    for (int k = 1; k <= 5; ++k) {
        // The regions only show the hand over the numbered figures.
        auto* region = new AnswerRegion(k, ctx_.folder, picture_);
        region->setCursorSwap(false);
        const TwipsRect& r = kMissingRegionTwips[k - 1];
        placeTw(region, r.left, r.top, r.width, r.height);
        regions_.append(region);

        auto* label = new QLabel(QString::number(k), this);
        label->setObjectName(QStringLiteral("Label%1").arg(k));
        label->setFont(gameFont(QStringLiteral("MS Sans Serif"), 12, true));
        placeTw(label, kLabelLeft[k - 1], 5640, 255, 255);

        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("winPrav%1").arg(k));
        placeTw(box, kBoxLeft[k - 1], 5640, 855, 285);
        answerBoxes_.append(box);
    }
    for (int k = 1; k < 5; ++k)
        setTabOrder(answerBoxes_[k - 1], answerBoxes_[k]);
}

void MissingCubesWindow::fillAnswers() {
    answers_ = kMissingCubes;
}

void MissingCubesWindow::doneClicked() {
    if (!busy())
        return;
    const auto& expected = answers_.at(currentPicture() - 1);
    bool right = true;
    for (int k = 0; k < 5; ++k)
        if (trimSpaces(answerBoxes_[k]->text()) != QString::number(expected[k]))
            right = false;
    answer(right);
}

CountCubesWindow::CountCubesWindow(AppContext& context, TaskHost& board, const TaskSquare& task)
    : CubeCountingWindow(context, board, task, "Скільки кубиків на малюнку?"),
      answerBox_(new QLineEdit(this)) {
    setClientSizeTw(this, 6420, 5955);
    placeTw(instruction_, 0, 0, 4935, 1455);
    placeTw(doneButton_, 5280, 120, 930, 930);
    answerBox_->setObjectName(QStringLiteral("winpPrav"));
    placeTw(answerBox_, 5040, 1080, 1215, 375);
    placeTw(picture_, kCountPictureTwips.left, kCountPictureTwips.top, kCountPictureTwips.width,
            kCountPictureTwips.height);
}

void CountCubesWindow::fillAnswers() {
    answers_ = kCubeCounts;
}

void CountCubesWindow::doneClicked() {
    if (!busy() || trimSpaces(answerBox_->text()).isEmpty())
        return;
    // Text that is no number, or lies outside the 16-bit range, is a wrong answer.
    const std::optional<int> typed = toInt16(answerBox_->text());
    answer(typed && *typed == answers_.at(currentPicture() - 1));
}

} // namespace zorna
