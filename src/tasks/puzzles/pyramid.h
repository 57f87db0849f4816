#pragma once

#include <QList>

namespace zorna {

// The disk pyramid on three axes. Row 1 is the top slot of an axis, row N its
// bottom slot; a cell holds 0 or the disk lying there (1 = widest, N = narrowest).
// A lifted disk stays in its cell until it is dropped.
class Pyramid {
public:
    struct Slot {
        int row = 0;
        int axis = 0;
    };
    enum class Click { Ignored, Lifted, Moved };

    // The full pyramid on axis 1, nothing lifted, no steps made.
    explicit Pyramid(int disks);

    int disks() const { return disks_; }
    int cell(int row, int axis) const { return cells_[index(row, axis)]; }
    bool lifted() const { return lifted_; }
    // Where the lifted disk lies (row, axis); meaningful while lifted.
    Slot source() const { return source_; }
    int liftedDisk() const { return lifted_ ? cell(source_.row, source_.axis) : 0; }
    int steps() const { return steps_; }

    // A click on the zone of an axis: lifts the top disk, drops the
    // lifted disk (a put-back onto its own axis is a move too), or refuses
    // silently (empty axis with nothing lifted; a drop onto a narrower disk).
    Click click(int axis);

    // Level (1 = bottom slot) of a row.
    int levelOfRow(int row) const { return disks_ + 1 - row; }
    // Axis 3 holds the whole pyramid.
    bool complete() const { return completeOn(3); }
    bool completeOn(int axis) const;

private:
    int index(int row, int axis) const { return (row - 1) * 3 + (axis - 1); }
    int& at(int row, int axis) { return cells_[index(row, axis)]; }

    int disks_;
    QList<int> cells_;
    bool lifted_ = false;
    Slot source_;
    int steps_ = 0;
};

} // namespace zorna
