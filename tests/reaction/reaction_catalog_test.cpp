// The reaction windows are found by the squares that open them.
#include "support/catalog_window.h"
#include "support/test_context.h"
#include "support/test_registry.h"
#include "tasks/common/task_catalog.h"
#include "tasks/reaction/cart_and_balls_window.h"
#include "tasks/reaction/catch_balls_window.h"
#include "tasks/reaction/hit_apple_window.h"

#include <QPointer>
#include <QTest>

using namespace zorna;
using namespace zorna::test;

class ReactionCatalogTest : public QObject {
    Q_OBJECT
private slots:
    void squaresOpenTheirWindows_data() {
        QTest::addColumn<int>("square");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::newRow("square 13") << 13 << "kletka26"
                                   << "Завдання №13";
        QTest::newRow("square 30") << 30 << "kletka32"
                                   << "Завдання №30";
        QTest::newRow("square 31") << 31 << "kletka30"
                                   << "Завдання №31";
    }
    void squaresOpenTheirWindows() {
        QFETCH(int, square);
        QFETCH(QString, name);
        QFETCH(QString, caption);
        const CatalogWindow opened(TaskFamily::Reaction, square);
        QVERIFY(opened.tc.catalog.has(square));
        QVERIFY(opened.window);
        QCOMPARE(opened.window->objectName(), name);
        QCOMPARE(opened.window->windowTitle(), caption);
        QVERIFY(opened.window->busy());
        // Loaded: its timers run.
        QVERIFY(opened.tc.clock.enabledTimerCount() > 0);
    }
};

ZORNA_TEST_CLASS(ReactionCatalogTest)
#include "reaction_catalog_test.moc"
