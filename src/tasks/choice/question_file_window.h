#pragma once

#include "tasks/choice/choice_data.h"
#include "tasks/common/task_window.h"

#include <QLabel>
#include <QPixmap>

namespace zorna {

// kletka16 (task 15): the task picture fills the window, the question under it
// comes from "kletka16/quetkr16.dat", and a press anywhere on the window (not on
// the question) answers: right when strictly inside the picture's hit rectangle.
class QuestionFileWindow : public TaskWindow {
    Q_OBJECT
public:
    QuestionFileWindow(AppContext& ctx, TaskHost& host, const TaskSquare& task);

    void load() override;

    QLabel* questionLabel() const { return question_; }
    int current() const { return deck()->current(); }
    const QPixmap& background() const { return background_; }

    // Question n of the file, trimmed; empty when the file is missing or does
    // not hold the whole record.
    static QString readQuestion(const QString& path, int n);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void answerAt(double x, double y);

    QLabel* question_ = nullptr;
    std::array<choice::HitRect, 11> rects_{};
    QPixmap background_;
};

} // namespace zorna
