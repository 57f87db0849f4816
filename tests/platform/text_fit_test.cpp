#include "platform/geometry.h"
#include "platform/text_fit.h"
#include "support/test_registry.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QTest>

using namespace zorna;

namespace {
// The name boxes of the windows: turn indicator, finish window, statistics, saved games.
struct NameBox {
    const char* family;
    double points;
    QSize size;
};
const NameBox kTurn{"Arial", 12, QSize(209, 25)};
const NameBox kFinish{"Times New Roman", 48, QSize(529, 81)};
const NameBox kStatistics{"Arial", 12, QSize(329, 25)};
const NameBox kSavedGame{"MS Sans Serif", 8, QSize(169, 17)};

enum class Shown { WholeAtSize, WholeSmaller, Elided };

bool fits(const QString& text, const QFont& font, QSize box) {
    const QFontMetrics m(font);
    return m.horizontalAdvance(text) <= box.width() && m.height() <= box.height();
}
} // namespace

Q_DECLARE_METATYPE(NameBox)
Q_DECLARE_METATYPE(Shown)

class TextFitTest : public QObject {
    Q_OBJECT
private slots:
    void namesShowWholeOrFromTheirStart_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<NameBox>("box");
        QTest::addColumn<Shown>("shown");
        const QString shortName = QStringLiteral("Оля");
        const QString longName = QStringLiteral("Олександр Петренко");
        const QString oneWord = QStringLiteral("Гіпопотомонстросесквіпедалофобія");
        const QString fifty = QStringLiteral("Марія-Антуанетта Олександрівна Тер-Петросян-Шевчук");
        QCOMPARE(fifty.size(), 50);
        QTest::newRow("turn: short") << shortName << kTurn << Shown::WholeAtSize;
        QTest::newRow("turn: long") << longName << kTurn << Shown::WholeAtSize;
        QTest::newRow("turn: one long word") << oneWord << kTurn << Shown::WholeSmaller;
        QTest::newRow("turn: 50 characters") << fifty << kTurn << Shown::Elided;
        QTest::newRow("finish: short") << shortName << kFinish << Shown::WholeAtSize;
        QTest::newRow("finish: long") << longName << kFinish << Shown::WholeSmaller;
        QTest::newRow("finish: one long word") << oneWord << kFinish << Shown::WholeSmaller;
        QTest::newRow("finish: 50 characters") << fifty << kFinish << Shown::WholeSmaller;
        QTest::newRow("statistics: 50 characters") << fifty << kStatistics << Shown::WholeSmaller;
        QTest::newRow("saved game: long") << longName << kSavedGame << Shown::WholeAtSize;
        QTest::newRow("saved game: 50 characters") << fifty << kSavedGame << Shown::Elided;
    }

    void namesShowWholeOrFromTheirStart() {
        QFETCH(QString, name);
        QFETCH(NameBox, box);
        QFETCH(Shown, shown);
        const QFont font = gameFont(QString::fromLatin1(box.family), box.points, true);
        const FittedLine line = fitLine(name, font, box.size);

        QVERIFY(fits(line.text, line.font, box.size));
        QVERIFY(line.font.bold());
        QVERIFY(line.font.pointSizeF() >= kMinReadablePoints);
        switch (shown) {
        case Shown::WholeAtSize:
            QCOMPARE(line.text, name);
            QCOMPARE(line.font.pointSizeF(), box.points);
            break;
        case Shown::WholeSmaller: {
            QCOMPARE(line.text, name);
            QVERIFY(line.font.pointSizeF() < box.points);
            // The largest step at which the whole name fits.
            QFont larger = line.font;
            larger.setPointSizeF(line.font.pointSizeF() + 0.5);
            QVERIFY(!fits(name, larger, box.size));
            break;
        }
        case Shown::Elided:
            QCOMPARE(line.font.pointSizeF(), kMinReadablePoints);
            QVERIFY(line.text.endsWith(QChar(0x2026)));
            QVERIFY(line.text.size() > 10);
            QVERIFY(name.startsWith(line.text.chopped(1)));
            break;
        }
    }

    void labelKeepsTheWholeNameAsItsText() {
        FitLabel label(nullptr);
        label.setFont(gameFont(QStringLiteral("Arial"), 12, true));
        label.resize(kTurn.size);
        const QString name = QStringLiteral("Марія-Антуанетта Олександрівна Тер-Петросян-Шевчук <b>");
        label.setText(name);
        QCOMPARE(label.text(), name);
        QCOMPARE(label.textFormat(), Qt::PlainText);
        QCOMPARE(label.font().pointSizeF(), 12.0);
        QVERIFY(label.shownLine().text.startsWith(QStringLiteral("Марія")));
        QVERIFY(label.shownLine().text.endsWith(QChar(0x2026)));
    }
};

ZORNA_TEST_CLASS(TextFitTest)

class GameFontTest : public QObject {
    Q_OBJECT
private slots:
    // The windows' fonts are drawn by the face Qt's own matching would draw
    // for the family they name, at the same size and weight.
    void drawnByTheFaceTheFamilyStandsFor() {
        for (const char* family : {"MS Sans Serif", "Arial", "Times New Roman"}) {
            for (const bool bold : {false, true}) {
                for (const double points : {7.0, 8.0, 11.25, 13.5}) {
                    QFont asked{QString::fromLatin1(family)};
                    asked.setPointSizeF(points);
                    asked.setBold(bold);
                    const QFontInfo expected(asked);
                    const QFontInfo drawn(gameFont(QString::fromLatin1(family), points, bold));
                    const QString what =
                        QStringLiteral("%1 %2 pt%3").arg(family).arg(points).arg(bold ? " bold" : "");
                    QVERIFY2(drawn.family() == expected.family(), qPrintable(what + ": " + drawn.family()));
                    QVERIFY2(drawn.styleName() == expected.styleName(), qPrintable(what));
                    QVERIFY2(drawn.pixelSize() == expected.pixelSize(), qPrintable(what));
                    QCOMPARE(QFontMetrics(gameFont(QString::fromLatin1(family), points, bold))
                                 .horizontalAdvance(QStringLiteral("Гравці: «Зорна» — 123")),
                             QFontMetrics(asked).horizontalAdvance(QStringLiteral("Гравці: «Зорна» — 123")));
                }
            }
        }
    }
};
ZORNA_TEST_CLASS(GameFontTest)
#include "text_fit_test.moc"
