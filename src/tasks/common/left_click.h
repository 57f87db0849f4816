#pragma once

#include <QMouseEvent>
#include <QWidget>

namespace zorna {

// A click of the left button on a widget: a left press on it, then a left
// release inside it. Other buttons neither start nor end one.
class LeftClick {
public:
    void press(const QMouseEvent& event) {
        if (event.button() == Qt::LeftButton)
            pressed_ = true;
    }
    // A click that was started is given up.
    void cancel() { pressed_ = false; }
    // Whether this release completes a click on `widget`.
    bool release(const QWidget& widget, const QMouseEvent& event) {
        if (event.button() != Qt::LeftButton)
            return false;
        const bool click = pressed_ && widget.rect().contains(event.position().toPoint());
        pressed_ = false;
        return click;
    }

private:
    bool pressed_ = false;
};

} // namespace zorna
