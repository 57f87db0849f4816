#pragma once

#include <QList>
#include <QObject>
#include <QPoint>
#include <QPointer>

#include <functional>

class QFrame;
class QWidget;

namespace zorna {

// Drag and drop of controls inside one window. Pressing the left button on a
// draggable control shows the control's outline, which follows the pointer;
// releasing delivers the source, the control under the pointer (or the window
// itself) and the drop point in that control's coordinates. Driven by ordinary
// mouse events on the source, so tests use QTest::mousePress, mouseMove and
// mouseRelease on the source widget.
class DragHelper : public QObject {
    Q_OBJECT
public:
    struct Drop {
        QWidget* source;
        QWidget* target;  // deepest control under the pointer, or the window
        QPoint pos;       // drop point in the target's coordinates
        QPoint windowPos; // drop point in the window's coordinates
    };
    using DropHandler = std::function<void(const Drop&)>;
    using StartHandler = std::function<void(QWidget* source)>;

    explicit DragHelper(QWidget* window);

    void makeDraggable(QWidget* control, bool on = true);
    bool isDraggable(QWidget* control) const;
    void onDrop(DropHandler handler) { dropHandler_ = std::move(handler); }
    void onStart(StartHandler handler) { startHandler_ = std::move(handler); }

    bool dragging() const { return source_ != nullptr; }
    // The outline shown while dragging (hidden otherwise).
    QFrame* outline() const { return outline_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void finish(QPoint windowPos);

    QWidget* window_;
    QFrame* outline_;
    QPointer<QWidget> source_;
    QPoint grabOffset_;
    DropHandler dropHandler_;
    StartHandler startHandler_;
};

// The position of `control` in a control array, or -1. Compares the widgets
// themselves, so any control under the pointer may be asked about.
template <typename Control> int indexOfControl(const QList<Control*>& controls, const QWidget* control) {
    for (qsizetype i = 0; i < controls.size(); ++i)
        if (static_cast<const QWidget*>(controls[i]) == control)
            return int(i);
    return -1;
}

} // namespace zorna
