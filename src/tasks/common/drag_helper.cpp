#include "tasks/common/drag_helper.h"

#include <QFrame>
#include <QMouseEvent>
#include <QWidget>

namespace zorna {

namespace {
const char* const kDraggable = "zornaDraggable";
}

DragHelper::DragHelper(QWidget* window) : QObject(window), window_(window), outline_(new QFrame(window)) {
    outline_->setObjectName(QStringLiteral("dragOutline"));
    outline_->setFrameStyle(QFrame::Box | QFrame::Plain);
    outline_->setLineWidth(2);
    outline_->setStyleSheet(
        QStringLiteral("QFrame#dragOutline { border: 2px dashed black; background: transparent; }"));
    outline_->setAttribute(Qt::WA_TransparentForMouseEvents);
    outline_->hide();
}

void DragHelper::makeDraggable(QWidget* control, bool on) {
    control->setProperty(kDraggable, on);
    control->removeEventFilter(this);
    if (on)
        control->installEventFilter(this);
}

bool DragHelper::isDraggable(QWidget* control) const {
    return control->property(kDraggable).toBool();
}

bool DragHelper::eventFilter(QObject* watched, QEvent* event) {
    auto* control = qobject_cast<QWidget*>(watched);
    if (!control)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* me = static_cast<QMouseEvent*>(event);
        if (me->button() != Qt::LeftButton || !isDraggable(control) || !control->isEnabled())
            return false;
        source_ = control;
        grabOffset_ = me->position().toPoint();
        outline_->setGeometry(QRect(control->mapTo(window_, QPoint(0, 0)), control->size()));
        outline_->raise();
        outline_->show();
        if (startHandler_)
            startHandler_(control);
        return false;
    }
    case QEvent::MouseMove: {
        if (source_ != control)
            return false;
        auto* me = static_cast<QMouseEvent*>(event);
        const QPoint windowPos = control->mapTo(window_, me->position().toPoint());
        outline_->move(windowPos - grabOffset_);
        return false;
    }
    case QEvent::MouseButtonRelease: {
        if (source_ != control)
            return false;
        auto* me = static_cast<QMouseEvent*>(event);
        finish(control->mapTo(window_, me->position().toPoint()));
        return true;
    }
    default:
        return false;
    }
}

void DragHelper::finish(QPoint windowPos) {
    QWidget* source = source_;
    source_ = nullptr;
    outline_->hide();
    QWidget* target = window_->childAt(windowPos);
    if (!target)
        target = window_;
    const Drop drop{source, target, target->mapFrom(window_, windowPos), windowPos};
    if (dropHandler_)
        dropHandler_(drop);
}

} // namespace zorna
