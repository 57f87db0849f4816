#include "paint_watch.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <ctime>

namespace bench {

qint64 monotonicNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

PaintWatch::PaintWatch(Match match) : match_(std::move(match)) {
    QCoreApplication::instance()->installEventFilter(this);
}

PaintWatch::~PaintWatch() {
    QCoreApplication::instance()->removeEventFilter(this);
}

bool PaintWatch::eventFilter(QObject* watched, QEvent* event) {
    if (!seen_ && event->type() == QEvent::Paint && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (match_(widget->window())) {
            seen_ = true;
            // Fires once the paint and the flush of this frame have returned.
            QTimer::singleShot(0, this, [this] {
                painted_ = monotonicNs();
                loop_.quit();
            });
        }
    }
    return false;
}

std::optional<qint64> PaintWatch::wait(int timeoutMs) {
    if (!painted_) {
        QTimer timeout;
        timeout.setSingleShot(true);
        QObject::connect(&timeout, &QTimer::timeout, &loop_, &QEventLoop::quit);
        timeout.start(timeoutMs);
        loop_.exec();
    }
    return painted_;
}

void settle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace bench
