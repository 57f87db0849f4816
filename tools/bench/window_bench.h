#pragma once

#include <QList>
#include <QMap>
#include <QString>

namespace bench {

// Samples in ms of one task square and of the bare window beside it.
struct SquareSamples {
    int windowNumber = 0;
    QList<double> openGame, openBare;   // "Далі" to the window's first frame
    QList<double> closeGame, closeBare; // the window's close to the board's next frame
};

struct IdleFigures {
    double cpuPercent = 0;     // of one core
    double wakeupsPerSec = 0;  // timer events delivered to the windows
    QMap<QString, int> wakers; // who received them: class and nearest object name
};

// In this process: the real board with the chip of player 1 on each square in
// turn, and a bare window that shows a JPEG of the task window's size.
class WindowBench {
public:
    explicit WindowBench(const QString& programFolder);
    ~WindowBench();

    // One pass over the squares, interleaving the game and the bare window;
    // `record` false for the warm-up pass.
    void runPass(bool record, const QList<int>& squares);
    const QMap<int, SquareSamples>& squares() const { return squares_; }

    // Under valgrind --tool=callgrind --collect-atstart=no: collect only while
    // the game's (or the bare) task window opens, from the click to its first frame.
    enum class Profiled { Nothing, GameOpen, BareOpen };
    void setProfiled(Profiled what) { profiled_ = what; }
    // By default Qt's pixmap cache is emptied before each click, so that both
    // the game and the bare window decode their pictures, as on a first visit
    // (the game draws a picture it has not shown yet). Warm: both keep what
    // they decoded, and the bare window shows its JPEG without decoding it.
    void setWarmPictures(bool warm) { warmPictures_ = warm; }

    // The board waiting for "Далі", and the bare board waiting for its button.
    IdleFigures idleGame(int ms);
    IdleFigures idleBare(int ms);

private:
    struct Impl;
    Impl* impl_;
    QMap<int, SquareSamples> squares_;
    Profiled profiled_ = Profiled::Nothing;
    bool warmPictures_ = false;
};

} // namespace bench
