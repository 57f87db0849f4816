#include "tasks/choice/question_file_window.h"

#include "platform/geometry.h"
#include "platform/pictures.h"
#include "platform/records.h"
#include "platform/text_fit.h"
#include "tasks/common/task_registry.h"

#include <QFile>
#include <QMouseEvent>
#include <QPainter>

namespace zorna {

namespace {

const TaskRegistration registration{
    TaskFamily::Choice,
    openWindow<QuestionFileWindow>,
    {.square = 15, .windowNumber = choice::kQuestionWindow, .category = 1, .caption = "Завдання №15"}};

} // namespace

using namespace choice;

namespace {

// The question label takes the presses on it, so they never reach the window.
class QuestionLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void mousePressEvent(QMouseEvent* event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent* event) override { event->accept(); }
};

} // namespace

QuestionFileWindow::QuestionFileWindow(AppContext& context, TaskHost& board, const TaskSquare& task)
    : TaskWindow(context, board, task) {
    setClientSizeTw(this, 6330, 4965);
    setBackground(this, Qt::white);

    question_ = new QuestionLabel(this);
    question_->setObjectName(QStringLiteral("winZapit"));
    // The question comes from a file: never read as markup.
    question_->setTextFormat(Qt::PlainText);
    placeTw(question_, 120, 4080, 6135, 855);
    question_->setFont(gameFont(QStringLiteral("MS Sans Serif"), 12, true));
    question_->setWordWrap(true);
    question_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextColour(question_, QColor(0x0000FF));
    useDeck(kQuestionPictureCount);
}

QString QuestionFileWindow::readQuestion(const QString& path, int n) {
    QFile file(path);
    if (n < 1 || !file.open(QIODevice::ReadOnly))
        return {};
    if (!file.seek(qint64(n - 1) * kQuestionRecord))
        return {};
    const QByteArray record = file.read(kQuestionRecord);
    file.close();
    if (record.size() != kQuestionRecord)
        return {};
    return fromWindows1251(record).trimmed();
}

void QuestionFileWindow::load() {
    setBusy(true);
    rects_ = kQuestionRects;
    const int n = loadAndDrawPicture();
    background_ = loadPicture(picturePath(n), devicePixelRatioF());
    update();
    question_->setText(
        readQuestion(ctx_.folder.taskFile(kQuestionWindow, QStringLiteral("quetkr16.dat")), n));
    shrinkToFit(question_);
}

void QuestionFileWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawPixmap(0, 0, background_);
}

void QuestionFileWindow::mousePressEvent(QMouseEvent* event) {
    event->accept();
    const QPointF at = event->position();
    answerAt(at.x(), at.y());
}

void QuestionFileWindow::answerAt(double x, double y) {
    if (!busy())
        return;
    answer(rects_[current() - 1].contains(x, y));
}

} // namespace zorna
