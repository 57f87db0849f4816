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
    TaskSquare task; // the square it opens on, its window number, category and caption
    int disks;
    int stepLimit;
    const char* limitText;
    int clientWidth, clientHeight; // twips
    QRgb background;
    std::array<int, 3> zoneLeft;     // twips; also X(a) of the placement rule
    int zoneWidth;                   // twips; also the widest disk's width
    int baseLineWidth;               // pixels
    std::array<QRgb, 5> diskColours; // the first `disks`, from the widest to the narrowest
};

// kletka28 (five disks, 40 steps) and kletka34 (four disks, 20 steps).
// Constant-initialised, so that registrations in any file may read them as
// the program starts.
extern const std::array<PyramidLayout, 2> kPyramidLayouts;
const PyramidLayout* pyramidLayout(int windowNumber);

// Rebuild the pyramid on the red right-hand axis, one disk at a time, never a
// bigger disk on a smaller one, within the step limit.
class PyramidWindow : public TaskWindow {
    Q_OBJECT
public:
    PyramidWindow(AppContext& ctx, TaskHost& host, const TaskSquare& task, const PyramidLayout& layout);

    void load() override;

    const Pyramid& pyramid() const { return pyramid_; }
    const PyramidLayout& layout() const { return layout_; }

    // The click zone of axis a (1..3), the disk d (1..N), the
    // step counter and the done button.
    ClickLabel* zone(int a) const { return zones_.at(a - 1); }
    QLabel* diskLabel(int d) const { return disks_.at(d - 1); }
    QLabel* stepCountLabel() const { return stepCount_; }
    DoneButton* doneButton() const { return doneButton_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void zoneClicked(int index);
    void doneClicked();
    void placeDisks();
    void checkEnd();
    // Disk label position by the placement rule, in twips.
    QPoint diskPlaceTw(int disk, int axis, int level) const;

    const PyramidLayout& layout_;
    Pyramid pyramid_;
    QLabel* instruction_;
    QLabel* limitText_;
    QLabel* stepCount_;
    DoneButton* doneButton_;
    QList<ClickLabel*> zones_;
    QList<QLabel*> disks_;
};

} // namespace zorna
