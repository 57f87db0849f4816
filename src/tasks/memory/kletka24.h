#pragma once

#include "tasks/common/task_window.h"

#include <QList>
#include <QRect>

#include <array>

class QLabel;

namespace zorna {

class PictureBox;

inline constexpr int kChangedPictures = 14;

// The changed detail of picture n: x1, y1, x2, y2 in pixels of Picture1.
struct ChangedRegion {
    int x1, y1, x2, y2;
    // Only the points strictly inside the rectangle count.
    bool hits(int x, int y) const { return x1 < x && x < x2 && y1 < y && y < y2; }
};
inline constexpr std::array<ChangedRegion, kChangedPictures> kChangedRegions{{
    {320, 184, 369, 225},
    {104, 32, 145, 65},
    {168, 104, 265, 185},
    {328, 120, 385, 249},
    {296, 144, 329, 177},
    {280, 80, 313, 105},
    {144, 232, 193, 297},
    {264, 104, 281, 121},
    {328, 80, 361, 105},
    {304, 256, 409, 289},
    {296, 184, 321, 209},
    {144, 120, 193, 153},
    {240, 112, 273, 137},
    {312, 160, 345, 185},
}};

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
