#include "tasks/common/task_window.h"

#include <QCloseEvent>

namespace zorna {

TaskWindow::TaskWindow(AppContext& context, TaskHost& board, const TaskSquare& task)
    : QWidget(nullptr,
              Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      ctx_(context), host_(board), task_(task) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(task.windowName());
    setWindowTitle(QString::fromUtf8(task.caption));
}

TaskWindow::~TaskWindow() = default;

void TaskWindow::answer(bool right) {
    right_ = right;
    busy_ = false;
    close();
}

void TaskWindow::useDeck(int pictureCount, int slotCount) {
    deck_.emplace(ctx_.folder.usedPictureFile(task_.windowNumber), pictureCount, slotCount);
}

void TaskWindow::loadDeck() {
    ctx_.folder.ensureFolder(QStringLiteral("Temp"));
    // The folder may have just been created: resolve the file's path anew.
    useDeck(deck_->pictureCount(), deck_->record().slotCount());
    deck_->load();
    deck_->resetIfAllShown();
}

int TaskWindow::loadAndDrawPicture(bool writeAfterDraw) {
    loadDeck();
    return deck_->drawPicture(ctx_.rnd, writeAfterDraw);
}

QString TaskWindow::picturePath(int n) const {
    return ctx_.folder.taskPicture(task_.windowNumber, n);
}

Timer& TaskWindow::addTimer(int intervalMs, Timer::Tick onTick) {
    timers_.push_back(ctx_.clock.createTimer(intervalMs, std::move(onTick)));
    return *timers_.back();
}

void TaskWindow::closeEvent(QCloseEvent* event) {
    if (handedBack_) {
        event->accept();
        return;
    }
    if (busy_) {
        event->ignore();
        return;
    }
    handedBack_ = true;
    for (auto& timer : timers_)
        timer->stop();
    if (deck_)
        deck_->finish(right_);
    host_.taskAnswered(TaskResult{right_, task_.category});
    event->accept();
}

} // namespace zorna
