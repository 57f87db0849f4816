#include "tasks/puzzles/pyramid.h"

namespace zorna {

Pyramid::Pyramid(int disks) : disks_(disks), cells_(disks * 3, 0) {
    for (int row = 1; row <= disks_; ++row)
        at(row, 1) = disks_ + 1 - row;
}

Pyramid::Click Pyramid::click(int axis) {
    if (axis < 1 || axis > 3)
        return Click::Ignored;
    int top = disks_;
    bool empty = true;
    for (int row = 1; row <= disks_; ++row) {
        if (cell(row, axis) != 0) {
            top = row;
            empty = false;
            break;
        }
    }
    if (!lifted_) {
        if (empty)
            return Click::Ignored;
        source_ = {top, axis};
        lifted_ = true;
        return Click::Lifted;
    }
    const int disk = liftedDisk();
    // The clicked axis's top disk (0 when empty; the lifted disk itself on its own axis).
    const int onTop = cell(top, axis);
    if (onTop > disk)
        return Click::Ignored;
    const int destRow = (axis == source_.axis || empty) ? top : top - 1;
    at(destRow, axis) = disk;
    if (axis != source_.axis)
        at(source_.row, source_.axis) = 0;
    lifted_ = false;
    ++steps_;
    return Click::Moved;
}

bool Pyramid::completeOn(int axis) const {
    for (int row = 1; row <= disks_; ++row)
        if (cell(row, axis) != disks_ + 1 - row)
            return false;
    return true;
}

} // namespace zorna
