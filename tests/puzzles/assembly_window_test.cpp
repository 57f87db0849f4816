#include "puzzle_fixture.h"

#include "platform/records.h"
#include "tasks/common/picture_box.h"
#include "tasks/puzzles/assembly_board.h"
#include "tasks/puzzles/assembly_window.h"

#include <QLabel>

using namespace zorna;
using namespace zorna::test;

namespace {

using Drops = QList<QPair<int, int>>; // (piece, cell)

const QList<int> kTray = {7, 3, 16, 1, 12, 5, 9, 14, 2, 11, 6, 15, 4, 10, 13, 8};

void pushTray(ScriptedRnd& rnd, const QList<int>& tray) {
    for (int piece : tray)
        rnd.push(ScriptedRnd::forDraw(piece, 15, 1));
}

// Flags of a 56-byte record: 14 shown flags, then 14 solved flags.
struct Flags {
    QList<int> shown, solved;
};

Flags readFlags(const QByteArray& bytes) {
    Flags f;
    RecordReader r(bytes);
    for (int i = 0; i < 14; ++i)
        f.shown.append(r.int16());
    for (int i = 0; i < 14; ++i)
        f.solved.append(r.int16());
    return f;
}

QByteArray record(const QList<int>& shown, const QList<int>& solved) {
    RecordWriter w;
    for (int n = 1; n <= 14; ++n)
        w.int16(shown.contains(n) ? -1 : 0);
    for (int n = 1; n <= 14; ++n)
        w.int16(solved.contains(n) ? -1 : 0);
    return w.data();
}

QList<int> range(int from, int to) {
    QList<int> r;
    for (int i = from; i <= to; ++i)
        r.append(i);
    return r;
}

} // namespace

class AssemblyBoardTest : public QObject {
    Q_OBJECT
private slots:
    void shuffleDrawsDistinctPieces() {
        ScriptedRnd rnd;
        // Repeats are drawn again until a piece not in the tray yet comes.
        rnd.push({ScriptedRnd::forDraw(5, 15, 1), ScriptedRnd::forDraw(5, 15, 1)});
        pushTray(rnd, {1, 5, 2, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16});
        AssemblyBoard board;
        board.shuffleTray(rnd);
        const QList<int> expected = {5, 1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
        for (int v = 1; v <= 16; ++v)
            QCOMPARE(board.trayPiece(v), expected[v - 1]);
        QCOMPARE(rnd.remaining(), 0);
    }

    void stuckGeneratorStillFillsTheTray() {
        ScriptedRnd rnd; // 0 forever: piece 1 every time
        AssemblyBoard board;
        board.shuffleTray(rnd);
        QSet<int> pieces;
        for (int v = 1; v <= 16; ++v)
            pieces.insert(board.trayPiece(v));
        QCOMPARE(pieces.size(), 16);
        QVERIFY(!pieces.contains(0));
    }

    void dropsAndErrors() {
        AssemblyBoard board;
        QVERIFY(!board.complete());
        QVERIFY(board.wrongCell(1)); // empty
        QVERIFY(!board.drop(1, 2));
        QVERIFY(board.drop(1, 1)); // the right piece afterwards counts right
        QVERIFY(!board.wrongCell(1));
        QCOMPARE(board.errors(), 1);
        QVERIFY(!board.drop(2, 3));
        QVERIFY(!board.drop(2, 3)); // the same wrong piece twice: two errors
        QCOMPARE(board.errors(), 3);
        QVERIFY(!board.tooManyErrors());
        board.drop(3, 4);
        board.drop(3, 4);
        QCOMPARE(board.errors(), 5);
        QVERIFY(!board.tooManyErrors());
        board.drop(3, 4);
        QVERIFY(board.tooManyErrors());
    }
};

class AssemblyWindowTest : public QObject {
    Q_OBJECT

    // Opens the window with picture `n` and the tray order kTray; returns it
    // after the preview when `afterPreview`.
    static AssemblyWindow* open(PuzzleFixture& f, int n = 4, bool afterPreview = true) {
        f.t.rnd.push(ScriptedRnd::forDraw(n, 10, 1));
        pushTray(f.t.rnd, kTray);
        auto* w = f.open<AssemblyWindow>(21);
        if (w && afterPreview)
            f.t.clock.advance(3000);
        return w;
    }
    static QImage pieceImage(PuzzleFixture& f, int n, int piece) {
        return QImage(f.t.ctx.folder.taskFile(25, QStringLiteral("%1/%2.jpg").arg(n).arg(piece)))
            .convertToFormat(QImage::Format_RGB32);
    }
    static QImage shown(PictureBox* box) {
        const QPixmap p = box->picture();
        return p.isNull() ? QImage() : p.toImage().convertToFormat(QImage::Format_RGB32);
    }
    static PictureBox* cell(PuzzleFixture& f, int i) { return f.shown<AssemblyWindow>()->boardCell(i); }
    static PictureBox* tray(PuzzleFixture& f, int v) { return f.shown<AssemblyWindow>()->trayBox(v); }
    // Drags the tray image that shows `piece` onto board cell `i`.
    static void drag(PuzzleFixture& f, int piece, int i) {
        const int v = int(kTray.indexOf(piece)) + 1;
        dragTo(tray(f, v), f.window, cell(f, i)->geometry().center());
    }
    static QString errors(PuzzleFixture& f) { return f.shown<AssemblyWindow>()->errorCountLabel()->text(); }
    static Flags flags(PuzzleFixture& f) {
        return readFlags(f.t.programFolder.read(QStringLiteral("Temp/25.$$$")));
    }

private slots:
    void previewThenShuffle() {
        PuzzleFixture f;
        auto* w = open(f, 4, false);
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("Завдання №21"));
        QCOMPARE(w->size(), QSize(579, 385));
        QCOMPARE(w->picture(), 4);
        auto* winText = f.shown<AssemblyWindow>()->instructionLabel();
        QCOMPARE(winText->text(), QStringLiteral("Подивись на малюнок"));
        QCOMPARE(errors(f), QStringLiteral("0"));
        QCOMPARE(f.child<QLabel>("Label1")->text(), QStringLiteral("Помилок:"));
        QCOMPARE(f.child<QLabel>("Label3")->text(), QStringLiteral("(Допускається 5 помилок)"));
        QVERIFY(!w->isEnabled());
        // The tray shows the whole picture, pieces in order, 7 pixels apart.
        for (int v = 1; v <= 16; ++v) {
            QCOMPARE(tray(f, v)->geometry(),
                     QRect(280 + 72 * ((v - 1) % 4), 88 + 72 * ((v - 1) / 4), 65, 65));
            QCOMPARE(shown(tray(f, v)), pieceImage(f, 4, v));
            QVERIFY(shown(cell(f, v)).isNull());
        }
        // The picture is marked shown at once in the 56-byte record.
        QCOMPARE(f.t.programFolder.read(QStringLiteral("Temp/25.$$$")), record({4}, {}));
        QVERIFY(!w->close());

        f.t.clock.advance(2999);
        QVERIFY(!w->isEnabled());
        QCOMPARE(winText->text(), QStringLiteral("Подивись на малюнок"));
        f.t.clock.advance(1);
        QVERIFY(w->isEnabled());
        QCOMPARE(winText->text(), QStringLiteral("Склади малюнок за його частинами"));
        QCOMPARE(f.t.rnd.remaining(), 0);
        for (int v = 1; v <= 16; ++v) {
            QCOMPARE(w->board().trayPiece(v), kTray[v - 1]);
            QCOMPARE(shown(tray(f, v)), pieceImage(f, 4, kTray[v - 1]));
        }
        QCOMPARE(f.t.clock.enabledTimerCount(), 0);
        QVERIFY(f.host.calls.isEmpty());
    }

    void previewTakesNoInput() {
        PuzzleFixture f;
        auto* w = open(f, 2, false);
        dragTo(tray(f, 1), w, cell(f, 5)->geometry().center());
        clickOn(f.shown<AssemblyWindow>()->doneButton());
        QVERIFY(shown(cell(f, 5)).isNull());
        QCOMPARE(w->board().boardPiece(5), 0);
        QCOMPARE(errors(f), QStringLiteral("0"));
        QVERIFY(!f.closed());
        QVERIFY(f.host.calls.isEmpty());
    }

    // The done figure keeps its colours while the window takes no input.
    void doneFigureKeepsItsColours() {
        PuzzleFixture f;
        auto* w = open(f, 2, false);
        QWidget* done = f.shown<AssemblyWindow>()->doneButton();
        QVERIFY(!w->isEnabled());
        const QImage inPreview = done->grab().toImage();
        f.t.clock.advance(3000);
        QVERIFY(w->isEnabled());
        const QImage enabled = done->grab().toImage();
        QCOMPARE(inPreview, enabled);
        // Green is there: not a grey version of the figure.
        bool green = false;
        for (int y = 0; y < enabled.height() && !green; ++y)
            for (int x = 0; x < enabled.width() && !green; ++x) {
                const QColor c = enabled.pixelColor(x, y);
                green = c.green() > c.red() + 60 && c.green() > c.blue() + 60;
            }
        QVERIFY(green);
    }

    void dropShowsThePiece() {
        PuzzleFixture f;
        auto* w = open(f, 6);
        drag(f, 3, 3);
        QCOMPARE(shown(cell(f, 3)), pieceImage(f, 6, 3));
        QCOMPARE(errors(f), QStringLiteral("0"));
        // A wrong piece replaces it and counts an error.
        drag(f, 9, 3);
        QCOMPARE(shown(cell(f, 3)), pieceImage(f, 6, 9));
        QCOMPARE(w->board().boardPiece(3), 9);
        QCOMPARE(errors(f), QStringLiteral("1"));
        // A drop beside the board (on the tray or the window) changes nothing.
        dragTo(tray(f, 1), w, tray(f, 6)->geometry().center());
        dragTo(tray(f, 1), w, QPoint(270, 370));
        QCOMPARE(errors(f), QStringLiteral("1"));
        // The tray never changes.
        for (int v = 1; v <= 16; ++v)
            QCOMPARE(shown(tray(f, v)), pieceImage(f, 6, kTray[v - 1]));
    }

    // A piece dropped on a text or on the done button lands on no cell.
    void dropOnALabelChangesNothing_data() {
        QTest::addColumn<QString>("target");
        for (const char* name : {"winText", "Label1", "Label2", "Label3", "Image2"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void dropOnALabelChangesNothing() {
        QFETCH(QString, target);
        PuzzleFixture f;
        auto* w = open(f, 6);
        QWidget* label = f.child(target);
        QVERIFY(label);
        dragTo(tray(f, 1), w, label->geometry().center());
        QCOMPARE(errors(f), QStringLiteral("0"));
        for (int i = 1; i <= 16; ++i)
            QCOMPARE(w->board().boardPiece(i), 0);
        QVERIFY(f.host.calls.isEmpty());
    }

    void sixthErrorEnds() {
        PuzzleFixture f;
        open(f, 9);
        for (int i = 1; i <= 5; ++i)
            drag(f, 16, 1); // the same wrong piece counts every time
        QCOMPARE(errors(f), QStringLiteral("5"));
        QVERIFY(!f.closed());
        QVERIFY(f.host.calls.isEmpty());
        drag(f, 1, 1);
        QCOMPARE(errors(f), QStringLiteral("5"));
        drag(f, 2, 16);
        QVERIFY(f.closed());
        QVERIFY(f.t.dialogs.asked().isEmpty());
        QCOMPARE(f.host.calls, handBack(false, 2));
        const Flags flags = AssemblyWindowTest::flags(f);
        QCOMPARE(flags.shown[8], -1);
        QCOMPARE(flags.solved[8], 0);
    }

    void completeBoardSolves() {
        PuzzleFixture f;
        open(f, 11);
        drag(f, 2, 1); // wrong first, then right: counts right, the error stays
        for (int k = 1; k <= 16; ++k)
            drag(f, k, k);
        QCOMPARE(errors(f), QStringLiteral("1"));
        QVERIFY(!f.closed());
        clickOn(f.shown<AssemblyWindow>()->doneButton());
        QVERIFY(f.closed());
        QCOMPARE(f.host.calls, handBack(true, 2));
        QCOMPARE(f.t.programFolder.read(QStringLiteral("Temp/25.$$$")), record({11}, {11}));
    }

    void finishWithBlots_data() {
        QTest::addColumn<Drops>("drops");
        QTest::addColumn<QList<int>>("blotted");
        QTest::newRow("empty board") << Drops{} << range(1, 16);
        Drops half;
        for (int k = 1; k <= 8; ++k)
            half.append({k, k});
        // The same tray piece on several cells: only its own cell is right.
        half += {{9, 9}, {9, 10}, {9, 11}};
        QTest::newRow("half and one piece thrice") << half << range(10, 16);
        Drops allButLast;
        for (int k = 1; k <= 15; ++k)
            allButLast.append({k, k});
        QTest::newRow("one cell empty") << allButLast << QList<int>{16};
    }
    void finishWithBlots() {
        QFETCH(Drops, drops);
        QFETCH(QList<int>, blotted);
        PuzzleFixture f;
        auto* w = open(f, 1);
        for (const auto& [piece, i] : drops)
            drag(f, piece, i);
        for (int i = 1; i <= 16; ++i)
            QVERIFY(!f.shown<AssemblyWindow>()->blot(i)->isVisible());
        clickOn(f.shown<AssemblyWindow>()->doneButton());
        for (int i = 1; i <= 16; ++i)
            QCOMPARE(f.shown<AssemblyWindow>()->blot(i)->isVisible(), blotted.contains(i));
        QVERIFY(!w->isEnabled());
        // No input while the blots are shown.
        drag(f, 16, 16);
        clickOn(f.shown<AssemblyWindow>()->doneButton());
        QCOMPARE(w->board().boardPiece(16), blotted.contains(16) ? 0 : 16);
        f.t.clock.advance(1999);
        QVERIFY(!f.closed());
        QVERIFY(f.host.calls.isEmpty());
        f.t.clock.advance(1);
        QVERIFY(f.closed());
        QVERIFY(f.t.dialogs.asked().isEmpty());
        QCOMPARE(f.host.calls, handBack(false, 2));
        QCOMPARE(f.t.programFolder.read(QStringLiteral("Temp/25.$$$")), record({1}, {}));
    }

    // The used-picture file holds one 56-byte record; slots 12..14 are never set.
    void usedPictureFile_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<int>("drawn");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("no file") << QByteArray() << 3 << record({3}, {});
        QTest::newRow("all but seven shown")
            << record({1, 2, 3, 4, 5, 6, 8, 9, 10, 11}, {2, 5}) << 7 << record(range(1, 11), {2, 5});
        QTest::newRow("all shown, two wrong")
            << record(range(1, 11), QList<int>{1, 2, 4, 5, 6, 7, 8, 9, 10}) << 3
            << record({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, QList<int>{1, 2, 4, 5, 6, 7, 8, 9, 10});
        QTest::newRow("all shown and solved") << record(range(1, 11), range(1, 11)) << 3 << record({3}, {});
        QTest::newRow("a 44-byte record is not read")
            << record(range(1, 11), {}).left(44) << 3 << record({3}, {});
        QByteArray two = record(range(1, 11), {}) + record(range(1, 11), {});
        QTest::newRow("two records are not read") << two << 3 << record({3}, {}) + two.mid(56);
    }
    void usedPictureFile() {
        QFETCH(QByteArray, before);
        QFETCH(int, drawn);
        QFETCH(QByteArray, after);
        PuzzleFixture f;
        if (!before.isNull())
            f.t.programFolder.write(QStringLiteral("Temp/25.$$$"), before);
        // Picture 3 is asked for first; a shown one is drawn again (here: 7).
        f.t.rnd.push(ScriptedRnd::forDraw(3, 10, 1));
        f.t.rnd.push(ScriptedRnd::forDraw(7, 10, 1));
        auto* w = f.open<AssemblyWindow>(21);
        QCOMPARE(w->picture(), drawn);
        QCOMPARE(f.t.programFolder.read(QStringLiteral("Temp/25.$$$")), after);
        for (int v = 1; v <= 16; ++v)
            QCOMPARE(shown(tray(f, v)), pieceImage(f, drawn, v));
    }
};

ZORNA_TEST_CLASS(AssemblyBoardTest)
ZORNA_TEST_CLASS(AssemblyWindowTest)

#include "assembly_window_test.moc"
