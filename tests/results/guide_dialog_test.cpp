#include "results/windows/guide_dialog.h"
#include "support/test_registry.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>

using namespace zorna::results;

class GuideDialogTest : public QObject {
    Q_OBJECT
private slots:
    // The guide is compiled in, and names the commands and files a teacher looks for.
    void guideNamesWhatTheTeacherUses_data() {
        QTest::addColumn<QString>("text");
        for (const char* text :
             {"results.sqlite", "%APPDATA%\\Zorna\\results.sqlite", "~/.local/share/Zorna/",
              "«Журнал цього комп'ютера»", "«Скопіювати журнал цього комп'ютера…»", "Оновити",
              "1 вересня — 31 грудня", "1 січня — 31 травня", "копія …, не враховано", "«Оля Коваль»", "CSV",
              "PDF", "Звіт класу"})
            QTest::newRow(text) << QString::fromUtf8(text);
    }
    void guideNamesWhatTheTeacherUses() {
        QFETCH(QString, text);
        const QString html = guideHtml();
        QVERIFY(!html.isEmpty());
        QTextDocument document;
        document.setHtml(html);
        QVERIFY2(document.toPlainText().contains(text), qPrintable(text));
    }

    // Every link of the guide leads to a section of it.
    void linksLeadToSections() {
        const QString html = guideHtml();
        const QRegularExpression link(QStringLiteral("href=\"([^\"]*)\""));
        int links = 0;
        for (const QRegularExpressionMatch& match : link.globalMatch(html)) {
            const QString target = match.captured(1);
            QVERIFY2(target.startsWith('#'), qPrintable(target));
            QVERIFY2(html.contains(QStringLiteral("name=\"%1\"").arg(target.mid(1))), qPrintable(target));
            ++links;
        }
        QVERIFY(links > 0);
    }

    // The Linux place the guide names is where the game's data folder is (no XDG_DATA_HOME set).
    void linuxPlaceIsTheGamesDataFolder() {
#ifdef Q_OS_WIN
        QSKIP("the Linux place");
#else
        if (qEnvironmentVariableIsSet("XDG_DATA_HOME"))
            QSKIP("XDG_DATA_HOME moves the data folder");
        const QString name = QCoreApplication::applicationName();
        const QString organisation = QCoreApplication::organizationName();
        QCoreApplication::setApplicationName(QStringLiteral("Zorna"));
        QCoreApplication::setOrganizationName(QString());
        const QString place = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QCoreApplication::setApplicationName(name);
        QCoreApplication::setOrganizationName(organisation);
        QCOMPARE(place, QDir::homePath() + QStringLiteral("/.local/share/Zorna"));
#endif
    }

    // F1 twice shows one guide window, not two.
    void showGuideRaisesTheOpenWindow() {
        QWidget parent;
        GuideDialog* first = showGuide(&parent);
        GuideDialog* second = showGuide(&parent);
        QCOMPARE(first, second);
        QVERIFY(first->isVisible());
        QVERIFY(first->browser()->toPlainText().contains(QStringLiteral("посібник для вчителя")));
        // With ZORNA_CHART_SHOTS set to a folder, the guide is written there as PNG to look at.
        const QString shots = qEnvironmentVariable("ZORNA_CHART_SHOTS");
        if (!shots.isEmpty()) {
            QDir().mkpath(shots);
            first->grab().save(shots + QStringLiteral("/guide.png"));
            // The whole guide, as it scrolls.
            QTextDocument* document = first->browser()->document();
            document->setTextWidth(first->browser()->viewport()->width());
            QImage whole(document->size().toSize(), QImage::Format_RGB32);
            whole.fill(Qt::white);
            QPainter painter(&whole);
            document->drawContents(&painter);
            painter.end();
            whole.save(shots + QStringLiteral("/guide-whole.png"));
        }
        first->close();
    }
};

ZORNA_TEST_CLASS(GuideDialogTest)
#include "guide_dialog_test.moc"
