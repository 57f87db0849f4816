#include "puzzle_fixture.h"

#include "tasks/common/task_families.h"

namespace zorna::test {

TaskCatalog puzzleCatalog() {
    TaskCatalog catalog;
    registerPuzzleTasks(catalog);
    return catalog;
}

void clickAt(QWidget* window, QPoint pos) {
    QWidget* target = window->childAt(pos);
    if (!target)
        target = window;
    const QPoint local = target->mapFrom(window, pos);
    QTest::mousePress(target, Qt::LeftButton, {}, local);
    QTest::mouseRelease(target, Qt::LeftButton, {}, local);
}

void clickOn(QWidget* control) {
    QTest::mouseClick(control, Qt::LeftButton);
}

void dragTo(QWidget* source, QWidget* window, QPoint windowPos) {
    const QPoint start = source->rect().center();
    const QPoint end = source->mapFrom(window, windowPos);
    QTest::mousePress(source, Qt::LeftButton, {}, start);
    QTest::mouseMove(source, (start + end) / 2);
    QTest::mouseMove(source, end);
    QTest::mouseRelease(source, Qt::LeftButton, {}, end);
}

QStringList handBack(bool solved, int category) {
    return {QStringLiteral("prav=%1").arg(solved ? 1 : 0),
            QStringLiteral("enabled=1"),
            QStringLiteral("show"),
            QStringLiteral("WinType=%1").arg(category),
            QStringLiteral("krok"),
            QStringLiteral("enabled=1")};
}

} // namespace zorna::test
