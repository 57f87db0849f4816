#include "tasks/memory/changed_detail.h"

namespace zorna {

void ChangedDetail::begin(int picture) {
    picture_ = picture;
    memorised_ = 0;
}

std::optional<int> ChangedDetail::memoriseTick() {
    if (memorised_ == kBarBlocks) {
        pause_.restart();
        return std::nullopt;
    }
    ++memorised_;
    return kBarBlocks + 1 - memorised_;
}

bool ChangedDetail::pauseTick() {
    return pause_.tick();
}

bool ChangedDetail::missWaitTick() {
    return missWait_.tick();
}

} // namespace zorna
