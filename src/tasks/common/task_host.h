#pragma once

namespace zorna {

// A task window's answer, handed back once as the window closes.
struct TaskResult {
    bool right = false;
    // The statistics category of the task (1..7); other values are not counted.
    int category = 0;
};

// What a task window sees of the board: the one call that hands its answer
// back. The board comes back to the front, enabled, and applies the answer.
class TaskHost {
public:
    virtual ~TaskHost() = default;
    virtual void taskAnswered(const TaskResult& result) = 0;
};

} // namespace zorna
