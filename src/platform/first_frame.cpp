#include "platform/first_frame.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace zorna {

namespace {

class FirstFrameWatch : public QObject {
public:
    FirstFrameWatch(QObject* context, const QWidget* window, std::function<void()> work)
        : QObject(context), window_(window), anyWindow_(window == nullptr), work_(std::move(work)) {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            (anyWindow_ || static_cast<QWidget*>(watched)->window() == window_)) {
            QCoreApplication::instance()->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                QTimer::singleShot(0, this, [this] {
                    work_();
                    deleteLater();
                });
            });
        }
        return false;
    }

private:
    QPointer<const QWidget> window_;
    const bool anyWindow_;
    std::function<void()> work_;
};

} // namespace

void afterFirstFrame(QObject* context, const QWidget* window, std::function<void()> work) {
    new FirstFrameWatch(context, window, std::move(work));
}

} // namespace zorna
