#pragma once

#include "tasks/common/task_window.h"
#include "tasks/memory/memory_tables.h"

#include <QList>

#include <array>

class QLabel;

namespace zorna {

class PictureBox;

// Task 23: a picture is shown for thirty seconds while a bar runs down, then
// blanked, then shown with one detail changed; the player clicks that detail.
class Kletka24 : public TaskWindow {
    Q_OBJECT
public:
    Kletka24(AppContext& ctx, TaskHost& host, const TaskSquare& task);

    void Form_Load() override;
    int currentPicture() const { return deck()->current(); }

    QLabel* winText;
    PictureBox* Picture1;
    QList<QLabel*> Block; // indexes 1..30 at 0..29
    QLabel* Image2;       // the red blot

private:
    void ZapovnMasNumPrav();
    void VipadkMal();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Picture1_MouseDown(QPoint pos);

    std::array<ChangedRegion, kChangedPictures> regions_{};
    Timer& Timer1;
    Timer& Timer2;
    Timer& Timer3;
    int count1_ = 0;
    int count2_ = 0;
    int count3_ = 0;
};

} // namespace zorna
