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
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::NoModifier && (key->key() == Qt::Key_F1 || key->key() == Qt::Key_F2))
            return handler_(key->key());
    }
    return QObject::eventFilter(watched, event);
}

} // namespace zorna
