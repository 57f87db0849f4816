#include "board/board_support.h"
#include "registration/registration_window.h"
#include "support/test_registry.h"

#include <QTest>

using namespace zorna;
using namespace zorna::test;

namespace {

// Types the text into a box key by key, as a keyboard (or an input method)
// delivers it: one key event per character.
void typeText(QWidget* box, const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype n = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString key = text.mid(i, n);
        QTest::sendKeyEvent(QTest::Press, box, Qt::Key_unknown, key, Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, box, Qt::Key_unknown, key, Qt::NoModifier);
        i += n - 1;
    }
}

// The label shows the text exactly as given, markup included.
bool showsPlainly(const QLabel* label, const QString& text) {
    return label->textFormat() == Qt::PlainText && label->text() == text;
}

} // namespace

// Names typed by the players go through every window that shows them: the
// board's turn indicator, the statistics, the finish window and the saved-game
// browser show them exactly as typed (or as saved), and are never read as markup.
class NamesTest : public QObject {
    Q_OBJECT
private slots:
    void everyWindowShowsTheNameAsTyped_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("saved"); // as the browser shows it
        QTest::newRow("picture markup")
            << QStringLiteral("<img src=\"/dev/zero\">") << QStringLiteral("<img src=\"/dev/zero\">");
        QTest::newRow("strike-through") << QStringLiteral("<s>x</s>") << QStringLiteral("<s>x</s>");
        QTest::newRow("italic") << QStringLiteral("<i>y</i>") << QStringLiteral("<i>y</i>");
        const QString longName = QStringLiteral("Ґалина-Їжачок Євгенівна ") + QString(50, QChar(0x0456));
        QTest::newRow("long name") << longName << longName.left(50);
        QTest::newRow("ampersand") << QStringLiteral("Том & Джеррі") << QStringLiteral("Том & Джеррі");
    }
    void everyWindowShowsTheNameAsTyped() {
        QFETCH(QString, name);
        QFETCH(QString, saved);
        TestContext tc(fakeCatalog());
        QPointer<RegistrationWindow> r = RegistrationWindow::showFresh(tc.ctx, tc.catalog);
        typeText(r->nameBox(1), name);
        typeText(r->nameBox(2), QStringLiteral("Петро"));
        QCOMPARE(r->nameBox(1)->text(), name);
        QTest::mouseClick(r->nextButton(), Qt::LeftButton);
        QVERIFY(tc.dialogs.asked().isEmpty());
        QPointer<BoardWindow> board = r->board();
        QVERIFY(board);

        QTest::mouseClick(board->startButton(), Qt::LeftButton);
        QVERIFY(showsPlainly(board->turnLabel(), name));
        board->grab();

        QTest::keyClick(board.data(), Qt::Key_F2);
        QVERIFY(board->statisticsWindow());
        QVERIFY(showsPlainly(board->statisticsWindow()->nameLabel(1), name));
        board->statisticsWindow()->grab();
        board->statisticsWindow()->close();
        settle();

        QTest::mouseClick(board->saveButton(), Qt::LeftButton);
        QCOMPARE(tc.dialogs.asked().last().text, QStringLiteral("Гра збережена!"));

        for (int turn = 0; turn < 100 && !board->finishWindow(); ++turn)
            play(tc, *board, board->session().currentPlayer() == 1);
        FinishWindow* finish = board->finishWindow();
        QVERIFY(finish);
        QVERIFY(showsPlainly(finish->nameLabel(), name));
        finish->grab();
        finish->close();
        settle();

        tc.dialogs.clear();
        tc.dialogs.answer(MsgAnswer::No);  // do not save the finished player
        tc.dialogs.answer(MsgAnswer::Yes); // leave the board
        QTest::mouseClick(board->leaveButton(), Qt::LeftButton);
        QPointer<RegistrationWindow> fresh = r->successor();
        settle();
        QVERIFY(!board);
        QVERIFY(!r);
        QVERIFY(fresh);
        fresh->toggleSavedGames();
        QVERIFY(fresh->savedMode());
        QVERIFY(showsPlainly(fresh->savedNameLabel(1), saved));
        QVERIFY(showsPlainly(fresh->savedNameLabel(2), QStringLiteral("Петро")));
        fresh->grab();

        // The saved game opens with the saved name on the board.
        QTest::mouseClick(fresh->nextButton(), Qt::LeftButton);
        QVERIFY(fresh->board());
        QVERIFY(showsPlainly(fresh->board()->turnLabel(), saved));
        delete fresh->board();
        delete fresh.data();
        settle();
    }

    // A name the game cannot save is refused with a message before any board opens.
    void nameThatCannotBeSavedIsRefused() {
        TestContext tc(fakeCatalog());
        QPointer<RegistrationWindow> r = RegistrationWindow::showFresh(tc.ctx, tc.catalog);
        typeText(r->nameBox(1), QStringLiteral("Оля"));
        typeText(r->nameBox(2), QStringLiteral("李"));
        QTest::mouseClick(r->nextButton(), Qt::LeftButton);
        const Message refused{QStringLiteral("Повідомлення"),
                              QStringLiteral("Символ «李» в імені гравця 2 не допускається!"),
                              MsgIcon::Warning, MsgButtons::Ok};
        QCOMPARE(tc.dialogs.asked(), QList<Message>{refused});
        QVERIFY(!r->board());
        QVERIFY(r->isVisible());
        delete r.data();
        settle();
    }
};

ZORNA_TEST_CLASS(NamesTest)
#include "names_test.moc"
