#pragma once

#include "tasks/common/task_window.h"
#include "tasks/puzzles/pyramid.h"

#include <QColor>
#include <QList>

#include <array>

class QLabel;

namespace zorna {

class ClickLabel;
class DoneButton;

// The data that sets the two disk-pyramid windows apart.
struct PyramidLayout {
    int windowNumber;
    int disks;
    int stepLimit;
    const char* limitText;
    int clientWidth, clientHeight; // twips
    QRgb background;
    std::array<int, 3> zoneLeft; // twips; also X(a) of the placement rule
    int zoneWidth;               // twips; also the widest disk's width
    int baseLineWidth;           // pixels
    QList<QRgb> diskColours;     // from the widest to the narrowest
};

// kletka28 (five disks, 40 steps) and kletka34 (four disks, 20 steps).
extern const std::array<PyramidLayout, 2> kPyramidLayouts;
const PyramidLayout* pyramidLayout(int windowNumber);

// Rebuild the pyramid on the red right-hand axis, one disk at a time, never a
// bigger disk on a smaller one, within the step limit.
class PyramidWindow : public TaskWindow {
    Q_OBJECT
public:
    PyramidWindow(AppContext& ctx, TaskHost& host, const TaskSquare& task, const PyramidLayout& layout);

    void Form_Load() override;

    const Pyramid& pyramid() const { return pyramid_; }
    const PyramidLayout& layout() const { return layout_; }

    void zona_Click(int index);
    void Image2_Click();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void obnovScr();
    void Proverka();
    // Disk label position by the placement rule, in twips.
    QPoint diskPlaceTw(int disk, int axis, int level) const;

    const PyramidLayout& layout_;
    Pyramid pyramid_;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    DoneButton* Image2;
    QList<ClickLabel*> zona; // 1..3 at index 0..2
    QList<QLabel*> disk;     // 1..N at index 0..N-1
};

} // namespace zorna
