#pragma once

namespace zorna {

// What a task window sees of the board. The window sets prav when answered;
// while closing it enables and shows the board, sets WinType and calls krok,
// in that order.
class TaskHost {
public:
    virtual ~TaskHost() = default;
    virtual bool prav() const = 0;
    virtual void setPrav(bool solved) = 0;
    virtual void setWinType(int category) = 0;
    virtual void setBoardEnabled(bool enabled) = 0;
    virtual void showBoard() = 0;
    virtual void krok() = 0;
};

} // namespace zorna
