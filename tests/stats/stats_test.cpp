#include "board/board_support.h"
#include "stats/finish_window.h"
#include "stats/statistics_window.h"
#include "support/test_registry.h"

#include <QTest>

using namespace zorna;
using namespace zorna::test;

class StatsTest : public QObject {
    Q_OBJECT
private slots:
    void statisticsShowTheBoardTable() {
        TestContext tc(fakeCatalog());
        FakeRegistration reg =
            restoredGame(tc, 2, {5, 5}, 1, statBytes({{2, 4, 1, 1}, {2, 7, 2, 2}, {1, 1, 1, 12}}));
        reg.names = {QStringLiteral(" Оля "), QStringLiteral("Петро"), QStringLiteral("не грає")};
        BoardUnderTest board(tc, reg);
        board->showStatistics();
        StatisticsWindow* st = board->statisticsWindow();
        QVERIFY(st);
        QVERIFY(st->isVisible());
        QCOMPARE(st->windowTitle(), QStringLiteral("Статистика успішності"));
        QCOMPARE(st->size(), QSize(391, 429));
        const auto count = [st](const char* name) {
            return st->findChild<QLabel*>(QLatin1String(name))->text();
        };
        QCOMPARE(count("t24"), QStringLiteral("1"));
        QCOMPARE(count("f27"), QStringLiteral("2"));
        QCOMPARE(count("t11"), QStringLiteral("12"));
        for (int c = 1; c <= 7; ++c) {
            for (int k = 1; k <= 2; ++k) {
                const bool set = (c == 4 && k == 1) || (c == 7 && k == 2);
                if (!set)
                    QCOMPARE(st->countLabel(2, c, k)->text(), QStringLiteral("0"));
                // The third column of a two-player game shows zeros.
                QCOMPARE(st->countLabel(3, c, k)->text(), QStringLiteral("0"));
            }
        }
        QCOMPARE(st->countLabel(2, 4, 1)->objectName(), QStringLiteral("t24"));
        QCOMPARE(st->countLabel(2, 7, 2)->objectName(), QStringLiteral("f27"));
        QCOMPARE(st->countLabel(1, 1, 1)->palette().color(QPalette::WindowText), QColor(255, 255, 0));
        QCOMPARE(st->countLabel(1, 1, 2)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(st->nameLabel(1)->text(), QStringLiteral(" Оля "));
        QCOMPARE(st->nameLabel(2)->text(), QStringLiteral("Петро"));
        QCOMPARE(st->nameLabel(3)->text(), QString());
        QCOMPARE(st->findChild<QLabel*>(QStringLiteral("Label7"))->text(),
                 QStringLiteral("На зорову пам'ять"));

        // The board takes no clicks while the statistics are open.
        QVERIFY(!board->isEnabled());
        QTest::mouseClick(board->nextButton(), Qt::LeftButton);
        QVERIFY(!board->taskWindow());
        st->close();
        settle();
        QVERIFY(!board->statisticsWindow());
        QVERIFY(board->isEnabled());
    }

    void categoryTitles() {
        const auto& t = StatisticsWindow::categoryTitles();
        QCOMPARE(t[0], QStringLiteral("На стійкість уваги та спостережливість"));
        QCOMPARE(t[1], QStringLiteral("На аналітичне сприйняття"));
        QCOMPARE(t[2], QStringLiteral("На просторову уяву і просторове мислення"));
        QCOMPARE(t[3], QStringLiteral("На умовиводи при співставленні предметів та подій"));
        QCOMPARE(t[4], QStringLiteral("На логічне мислення"));
        QCOMPARE(t[5], QStringLiteral("На розвиток реакції"));
        QCOMPARE(t[6], QStringLiteral("На зорову пам'ять"));
    }

    void finishPlacesOfThreePlayers() {
        TestContext tc(fakeCatalog());
        FakeRegistration reg = restoredGame(tc, 3, {32, 32, 32}, 1);
        BoardUnderTest board(tc, reg);
        const QStringList names{QStringLiteral("Оля"), QStringLiteral("Петро"), QStringLiteral("Іра")};
        for (int place = 1; place <= 3; ++place) {
            play(tc, *board.board, true);
            FinishWindow* finish = board->finishWindow();
            QVERIFY(finish);
            QVERIFY(finish->isVisible());
            QCOMPARE(finish->windowTitle(), QStringLiteral("Фініш"));
            QCOMPARE(finish->nameLabel()->text(), names[place - 1]);
            QCOMPARE(finish->banner()->isVisible(), place == 1);
            for (int m = 1; m <= 3; ++m)
                QCOMPARE(finish->placePicture(m)->isVisible(), m == place);
            QVERIFY(!board->isEnabled());
            QCOMPARE(board->chip(place)->pos(), chipPosition(place, 33));
            finish->close();
            settle();
            QVERIFY(board->isEnabled());
        }
        QCOMPARE(board->session().game().finishedCount(), 3);
        // The game is over: "Далі" stays disabled, saving and leaving still work.
        QVERIFY(!board->nextButton()->isEnabled());
        QVERIFY(board->saveButton()->isEnabled());
    }

    void finishWindowLayoutAndPictures() {
        TestContext tc;
        FinishWindow finish(tc.ctx.folder, nullptr);
        QCOMPARE(finish.size(), QSize(548, 409));
        QCOMPARE(finish.nameLabel()->geometry(), QRect(8, 32, 529, 81));
        QCOMPARE(finish.nameLabel()->palette().color(QPalette::WindowText), QColor(192, 0, 192));
        QCOMPARE(finish.banner()->geometry(), QRect(88, 120, 377, 58));
        QCOMPARE(finish.placePicture(1)->geometry(), QRect(208, 208, 113, 141));
        QCOMPARE(finish.placePicture(2)->geometry(), QRect(168, 128, 181, 226));
        // Each picture is its drawing of the program folder, at the control's size.
        QCOMPARE(finish.banner()->pixmap().deviceIndependentSize().toSize(), finish.banner()->size());
        for (int m = 1; m <= 3; ++m)
            QCOMPARE(finish.placePicture(m)->pixmap().deviceIndependentSize().toSize(),
                     finish.placePicture(m)->size());
        QVERIFY(finish.banner()->isHidden());
        finish.showPlace(QStringLiteral("Іра"), 2);
        QVERIFY(finish.banner()->isHidden());
        QVERIFY(!finish.placePicture(2)->isHidden());
        QVERIFY(finish.placePicture(1)->isHidden());
        // The background: fireworks, dark night sky at the top.
        const QImage shot = finish.grab().toImage();
        const QColor sky = shot.pixelColor(5, 395);
        QVERIFY(sky.lightness() < 120);
    }
};

ZORNA_TEST_CLASS(StatsTest)
#include "stats_test.moc"
