// Texts set in a given face are drawn at the point size and weight their window
// asks for, and stay inside their labels.
#include "stats/statistics_window.h"
#include "support/test_context.h"
#include "support/test_registry.h"
#include "support/wine.h"
#include "tasks/common/task_catalog.h"
#include "tasks/common/task_window.h"

#include <QFontInfo>
#include <QLabel>
#include <QTest>

#include <memory>

using namespace zorna;
using namespace zorna::test;

namespace {

// The statistics window stands in the tables as square 0.
constexpr int kStatistics = 0;

// A window with the label under test, shown (so style sheets are applied).
struct OpenWindow {
    explicit OpenWindow(int square) : tc(buildTaskCatalog()) {
        tc.rnd.useSeededFallback(14);
        if (square == kStatistics)
            window.reset(new StatisticsWindow(nullptr));
        else
            window.reset(tc.catalog.open(square, tc.ctx, host));
        window->show();
    }
    QLabel* label(const QString& name) const { return window->findChild<QLabel*>(name); }

    TestContext tc;
    FakeHost host;
    std::unique_ptr<QWidget> window;
};

// Pixels of the label's text colour inside its contents (a frame is not text).
struct Ink {
    QRect box;
    int pixels = 0;
};

Ink inkOf(QLabel* label) {
    const QImage image = label->grab().toImage();
    const QColor text = label->palette().color(label->foregroundRole());
    Ink ink;
    const QRect area = label->contentsRect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const int distance = std::max({std::abs(c.red() - text.red()), std::abs(c.green() - text.green()),
                                           std::abs(c.blue() - text.blue())});
            if (distance < 96) {
                ink.box |= QRect(x, y, 1, 1);
                ++ink.pixels;
            }
        }
    return ink;
}

int pixelSizeOf(double points, const QWidget* w) {
    return qRound(points * w->logicalDpiY() / 72.0);
}

// A row of the tables below: a label by its window's square and its object
// name, and the point size it asks for.
struct LabelRow {
    static void addColumns() {
        QTest::addColumn<int>("square");
        QTest::addColumn<QString>("label");
        QTest::addColumn<double>("points");
    }
    static LabelRow fetch() {
        QFETCH(int, square);
        QFETCH(QString, label);
        QFETCH(double, points);
        return {square, label, points};
    }

    int square;
    QString label;
    double points;
};

// The label the current row names, in its open window.
struct RowLabel {
    explicit RowLabel(const LabelRow& row)
        : window(row.square), label(window.label(row.label)), points(row.points) {}

    OpenWindow window;
    QLabel* label;
    double points;
};

} // namespace

class TextSizesTest : public QObject {
    Q_OBJECT

private slots:
    void countersAreDrawnAtTheirSize_data() {
        LabelRow::addColumns();
        QTest::newRow("statistics header I") << kStatistics << "Label8" << 18.0;
        QTest::newRow("statistics legend III") << kStatistics << "Label13" << 18.0;
        QTest::newRow("kletka31 clicks") << 28 << "Label1" << 18.0;
        QTest::newRow("kletka30 caught") << 31 << "IndKil" << 18.0;
        QTest::newRow("kletka32 caught") << 30 << "Label1" << 13.5;
        QTest::newRow("kletka22 figure number") << 24 << "Label3" << 12.0;
    }

    // Digits and capitals stand about 0.72 of the pixel size high in a sans face.
    void countersAreDrawnAtTheirSize() {
        const RowLabel row(LabelRow::fetch());
        QLabel* l = row.label;
        QVERIFY(l);
        QCOMPARE(l->font().pointSizeF(), row.points);
        const int pixelSize = pixelSizeOf(row.points, l);

        const Ink bold = inkOf(l);
        QVERIFY2(!bold.box.isEmpty(), "no text drawn");
        QVERIFY2(
            bold.box.height() >= 0.62 * pixelSize && bold.box.height() <= 0.8 * pixelSize,
            qPrintable(
                QStringLiteral("drawn %1 px high for a %2 px font").arg(bold.box.height()).arg(pixelSize)));
        // Inside the label: the text does not run into its edges.
        QVERIFY(l->contentsRect().adjusted(1, 1, -1, -1).contains(bold.box));

        // A real bold: more ink than the same text in the regular weight.
        QFont regular = l->font();
        regular.setBold(false);
        l->setFont(regular);
        const Ink plain = inkOf(l);
        if (underWine())
            QEXPECT_FAIL("kletka22 figure number",
                         "under Wine 8 this 12 pt \"MS Sans Serif\" bold has less ink than its regular; "
                         "cause not found",
                         Continue);
        QVERIFY2(
            bold.pixels >= 1.15 * plain.pixels,
            qPrintable(QStringLiteral("bold %1 px of ink, regular %2").arg(bold.pixels).arg(plain.pixels)));
    }

    void instructionsKeepTheirSizeAndFit_data() {
        LabelRow::addColumns();
        QTest::newRow("kletka5 instruction") << 16 << "Label1" << 12.0;
        QTest::newRow("kletka33 instruction") << 32 << "winText" << 13.5;
        QTest::newRow("kletka26 instruction") << 13 << "winText" << 11.25;
        QTest::newRow("kletka30 push key") << 31 << "winText1" << 8.25;
        QTest::newRow("kletka32 instruction") << 30 << "Label2" << 8.25;
    }

    void instructionsKeepTheirSizeAndFit() {
        const RowLabel row(LabelRow::fetch());
        QLabel* l = row.label;
        QVERIFY(l);
        QCOMPARE(l->font().pointSizeF(), row.points);
        const QFontInfo drawn(l->font());
        QCOMPARE(drawn.pixelSize(), pixelSizeOf(row.points, l));
        QVERIFY(drawn.bold());
        QVERIFY(drawn.family() != QStringLiteral("MS Sans Serif"));

        const QRect box = l->contentsRect();
        const int flags = int(l->alignment()) | (l->wordWrap() ? int(Qt::TextWordWrap) : 0);
        const QRect needed = l->fontMetrics().boundingRect(box, flags, l->text());
        QVERIFY2(box.contains(needed), qPrintable(QStringLiteral("text needs %1x%2, label has %3x%4")
                                                      .arg(needed.width())
                                                      .arg(needed.height())
                                                      .arg(box.width())
                                                      .arg(box.height())));
    }
};

ZORNA_TEST_CLASS(TextSizesTest)
#include "text_sizes_test.moc"
