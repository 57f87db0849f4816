#include "support/test_context.h"
#include "support/test_registry.h"
#include "tasks/common/picture_box.h"
#include "tasks/common/task_catalog.h"
#include "tasks/common/task_registry.h"
#include "tasks/common/task_window.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QTest>

#include <memory>

namespace zorna::test {

class TaskPicturesDensityTest : public QObject {
    Q_OBJECT
private slots:
    // A task window shows its picture from the source made for the screen's
    // pixel density (run once at scale 1 and once with QT_SCALE_FACTOR=2),
    // covering the same window pixels either way.
    void taskWindowsShowTheSourceOfTheScreensDensity_data() {
        QTest::addColumn<int>("windowNumber");
        QTest::addColumn<QString>("label"); // the picture box or label that shows it
        QTest::addColumn<QString>("file");
        QTest::newRow("cube counting") << 23 << "winMal"
                                       << "kletka23/1.jpg";
        QTest::newRow("film frames") << 8 << "kadr1"
                                     << "kletka8/1/";
        QTest::newRow("cart") << 30 << "telega"
                              << "kletka30/telega.gif";
    }
    void taskWindowsShowTheSourceOfTheScreensDensity() {
        QFETCH(int, windowNumber);
        QFETCH(QString, label);
        QFETCH(QString, file);
        const qreal ratio = qApp->devicePixelRatio();
        if (qEnvironmentVariable("QT_SCALE_FACTOR") == QLatin1String("2"))
            QCOMPARE(ratio, 2.0);
        TestContext tc(buildTaskCatalog());
        tc.rnd.useSeededFallback(16);
        FakeHost host;
        const std::unique_ptr<QWidget> window(
            tc.catalog.open(squareOfWindow(windowNumber)->square, tc.ctx, host));
        QVERIFY(window);
        window->show();
        const auto* shown = window->findChild<QWidget*>(label);
        QVERIFY(shown);
        const auto* box = qobject_cast<const PictureBox*>(shown);
        const auto* text = qobject_cast<const QLabel*>(shown);
        QVERIFY(box || text);
        const QPixmap pixmap = box ? box->picture() : text->pixmap();
        QVERIFY(!pixmap.isNull());
        // The 1x picture of the same size (any film frame has the size of all).
        const QString folder = QStringLiteral(ZORNA_APP_DIR "/");
        const QString one =
            file.endsWith(QLatin1Char('/')) ? folder + file + QStringLiteral("1.jpg") : folder + file;
        const QSize size = QImage(one).size();
        QVERIFY(!size.isEmpty());
        QCOMPARE(pixmap.deviceIndependentSize(), QSizeF(size));
        QCOMPARE(pixmap.devicePixelRatio(), ratio > 1.0 ? 2.0 : 1.0);
        QCOMPARE(pixmap.size(), ratio > 1.0 ? size * 2 : size);
    }
};
ZORNA_TEST_CLASS(TaskPicturesDensityTest)

} // namespace zorna::test

#include "task_pictures_density_test.moc"
