#pragma once

#include <QString>

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

} // namespace zorna
