#include "tasks/memory/changed_detail.h"

namespace zorna {

void ChangedDetail::begin(int picture) {
    picture_ = picture;
    memorised_ = 0;
}

std::optional<int> ChangedDetail::memoriseTick() {
    if (memorised_ == kBarBlocks) {
        paused_ = 0;
        return std::nullopt;
    }
    ++memorised_;
    return kBarBlocks + 1 - memorised_;
}

bool ChangedDetail::pauseTick() {
    if (paused_ < 1) {
        ++paused_;
        return false;
    }
    return true;
}

bool ChangedDetail::missWaitTick() {
    if (waited_ < 1) {
        ++waited_;
        return false;
    }
    return true;
}

} // namespace zorna
