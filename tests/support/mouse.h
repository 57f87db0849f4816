#pragma once

// Mouse input as a pupil gives it: clicks and drags made of QTest mouse events.

#include <QPoint>
#include <Qt>

class QWidget;

namespace zorna::test {

// A click at a point of a widget (relative to it), delivered as the windowing
// system routes it: to the topmost control of the window at that point, or to
// the window itself where there is none.
void clickAt(QWidget* widget, QPoint pos, Qt::MouseButton button = Qt::LeftButton);
// A left click in the middle of a control.
void clickOn(QWidget* control);
// A drag made of mouse events on the source: press in its middle, move and
// release over a point of the window.
void dragTo(QWidget* source, QWidget* window, QPoint windowPos);

} // namespace zorna::test
