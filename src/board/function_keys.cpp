#include "board/function_keys.h"

#include <QKeyEvent>
#include <QWidget>

namespace zorna {

FunctionKeys::FunctionKeys(QWidget* window, Handler handler) : QObject(window), handler_(std::move(handler)) {
    window->installEventFilter(this);
    for (QWidget* child : window->findChildren<QWidget*>())
        child->installEventFilter(this);
}

bool FunctionKeys::eventFilter(QObject* watched, QEvent* event) {
    // Filters see events before the widget does; a disabled window takes no keys.
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::KeyPress && widget && widget->isEnabled()) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::NoModifier && (key->key() == Qt::Key_F1 || key->key() == Qt::Key_F2))
            return handler_(key->key());
    }
    return QObject::eventFilter(watched, event);
}

} // namespace zorna
