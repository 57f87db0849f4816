#pragma once

#include <QString>

#include <array>
#include <cstddef>

namespace zorna {

// One square of the path and the task window it opens. Each task window
// registers its squares (task_registry.h); the board dispatches on them.
struct TaskSquare {
    int square;       // 1..32, also the task number shown in the caption
    int windowNumber; // N of the window's name; names its picture folder and used-picture file
    int category;     // statistics category 1..7 written into WinType
    const char* caption;

    // "Kletka2" for the first window, "kletkaN" for the others.
    QString windowName() const {
        return (windowNumber == 2 ? QStringLiteral("Kletka") : QStringLiteral("kletka")) +
               QString::number(windowNumber);
    }
};

// The row of a table whose rows carry a TaskSquare `task` that has window
// number N; nullptr when no row has.
template <class Row, std::size_t Count>
constexpr const Row* rowOfWindow(const std::array<Row, Count>& rows, int windowNumber) {
    for (const Row& row : rows)
        if (row.task.windowNumber == windowNumber)
            return &row;
    return nullptr;
}

} // namespace zorna
