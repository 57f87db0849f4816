#pragma once

#include <QEventLoop>
#include <QObject>

#include <chrono>
#include <functional>
#include <optional>

class QWidget;

namespace bench {

using Steady = std::chrono::steady_clock;

// Nanoseconds on the machine-wide monotonic clock, comparable between processes.
qint64 monotonicNs();
// Milliseconds between two readings of monotonicNs().
inline double msBetween(qint64 fromNs, qint64 toNs) {
    return double(toNs - fromNs) / 1e6;
}

// Waits for the first frame of a window: the first Paint event delivered to a
// widget of a matching window, and then the return to the event loop, by which
// time that frame has been painted and flushed to the screen.
class PaintWatch : public QObject {
public:
    using Match = std::function<bool(QWidget* window)>;
    explicit PaintWatch(Match match);
    ~PaintWatch() override;

    // Runs the event loop until the frame is painted; the moment in
    // monotonicNs(), or nothing after the timeout.
    std::optional<qint64> wait(int timeoutMs = 5000);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Match match_;
    bool seen_ = false;
    std::optional<qint64> painted_;
    QEventLoop loop_;
};

// Runs the event loop for a while, so that what the last step left pending is done.
void settle(int ms);

} // namespace bench
