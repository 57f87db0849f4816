#pragma once

#include "tasks/common/task_window.h"

#include <QTest>

namespace zorna::test {

// Shows a task window and waits until it has drawn its first frame and done
// the work that waits for that frame (writing its used-picture file).
inline bool showFirstFrame(TaskWindow& w) {
    w.show();
    return QTest::qWaitFor([&w] { return w.firstFrameShown(); });
}

} // namespace zorna::test
