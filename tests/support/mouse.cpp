#include "support/mouse.h"

#include <QTest>
#include <QWidget>

namespace zorna::test {

void clickAt(QWidget* widget, QPoint pos, Qt::MouseButton button) {
    QWidget* window = widget->window();
    const QPoint windowPos = widget->mapTo(window, pos);
    QWidget* target = window->childAt(windowPos);
    if (!target)
        target = window;
    const QPoint local = target->mapFrom(window, windowPos);
    QTest::mousePress(target, button, {}, local);
    QTest::mouseRelease(target, button, {}, local);
}

void clickOn(QWidget* control) {
    QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
}

void dragTo(QWidget* source, QWidget* window, QPoint windowPos) {
    const QPoint start = source->rect().center();
    const QPoint end = source->mapFrom(window, windowPos);
    QTest::mouseMove(source, start);
    QTest::mousePress(source, Qt::LeftButton, {}, start);
    QTest::mouseMove(source, (start + end) / 2);
    QTest::mouseMove(source, end);
    QTest::mouseRelease(source, Qt::LeftButton, {}, end);
}

} // namespace zorna::test
