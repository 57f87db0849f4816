#pragma once

#include "platform/app_context.h"
#include "tasks/common/task_host.h"
#include "tasks/common/task_square.h"
#include "tasks/common/used_pictures.h"

#include <QWidget>

#include <memory>
#include <optional>
#include <vector>

namespace zorna {

// The base of every task window: the caption, the busy flag that refuses a close
// before the task is answered, the optional used-picture deck, timers that stop
// when the window closes, and the hand-back to the board in its fixed order.
// A task class adds its controls, its load and its answer logic, and
// ends with answer(right): the board gets one TaskResult as the window closes.
class TaskWindow : public QWidget {
    Q_OBJECT
public:
    TaskWindow(AppContext& ctx, TaskHost& host, const TaskSquare& task);
    ~TaskWindow() override;

    // The load sequence; the board runs it once before it shows the window.
    virtual void load() = 0;

    const TaskSquare& task() const { return task_; }
    bool busy() const { return busy_; }
    // The used-picture deck, when the window keeps one.
    const PictureDeck* deck() const { return deck_ ? &*deck_ : nullptr; }

protected:
    void setBusy(bool busy) { busy_ = busy; }

    // The ending of an answer: the answer kept, the busy flag off, and the
    // window closed, which hands the answer back to the board.
    void answer(bool right);

    // Uses a used-picture file "temp/N.$$$" with K pictures in S slots.
    void useDeck(int pictureCount, int slotCount = 11);
    PictureDeck& picDeck() { return *deck_; }
    // The standard picture steps of the load: the working folder made sure, the
    // file read when it holds one record, the reset, the draw. Returns the picture.
    int loadAndDrawPicture(bool writeAfterDraw = true);
    // Working folder made sure, file read, reset; no draw.
    void loadDeck();
    // Path of the window's task picture n ("kletkaN/n.jpg").
    QString picturePath(int n) const;

    // A timer owned by the window; every such timer stops when the window closes.
    Timer& addTimer(int intervalMs, Timer::Tick onTick);

    // A close request: refused while busy; otherwise the hand-back.
    void closeEvent(QCloseEvent* event) override;

    AppContext& ctx_;
    TaskHost& host_;

private:
    const TaskSquare& task_;
    bool busy_ = true;
    bool right_ = false;
    bool handedBack_ = false;
    std::optional<PictureDeck> deck_;
    std::vector<std::unique_ptr<Timer>> timers_;
};

} // namespace zorna
