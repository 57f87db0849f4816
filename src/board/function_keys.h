#pragma once

#include <QObject>

#include <functional>

class QWidget;

namespace zorna {

// Catches a window's function keys whichever of its controls has the focus:
// installed on the window and on every control it holds at that moment.
class FunctionKeys : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<bool(int key)>; // true when the key was used
    FunctionKeys(QWidget* window, Handler handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Handler handler_;
};

} // namespace zorna
