#include "doubles/scripted_dialogs.h"
#include "doubles/scripted_rnd.h"
#include "doubles/virtual_clock.h"
#include "platform/clock.h"
#include "platform/cursors.h"
#include "platform/dialogs.h"
#include "platform/distinct_draw.h"
#include "platform/help.h"
#include "platform/program_folder.h"
#include "platform/records.h"
#include "platform/rnd.h"
#include "support/files.h"
#include "support/test_context.h"
#include "support/test_registry.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <limits>

using namespace zorna;

class RandomDrawTest : public QObject {
    Q_OBJECT
private slots:
    void roundsHalvesToEven_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("rounded");
        QTest::newRow("0.5") << 0.5 << 0;
        QTest::newRow("1.5") << 1.5 << 2;
        QTest::newRow("2.5") << 2.5 << 2;
        QTest::newRow("10.5") << 10.5 << 10;
        QTest::newRow("2.49") << 2.49 << 2;
        QTest::newRow("2.51") << 2.51 << 3;
        QTest::newRow("-0.5") << -0.5 << 0;
        QTest::newRow("-1.5") << -1.5 << -2;
    }
    void roundsHalvesToEven() {
        QFETCH(double, value);
        QFETCH(int, rounded);
        QCOMPARE(roundHalfEven(value), rounded);
    }

    // r * 10 + 1 over [0, 1): the end values 1 and 11 come half as often.
    void drawGivesEndValuesHalfAsOften() {
        SystemRnd rnd;
        rnd.randomize();
        QList<int> counts(12, 0);
        const int draws = 200000;
        for (int i = 0; i < draws; ++i) {
            const int n = rnd.draw(10, 1);
            QVERIFY(n >= 1 && n <= 11);
            ++counts[n];
        }
        for (int n = 1; n <= 11; ++n) {
            const double share = double(counts[n]) / draws;
            const double expected = (n == 1 || n == 11) ? 0.05 : 0.10;
            QVERIFY2(qAbs(share - expected) < 0.006,
                     qPrintable(QStringLiteral("picture %1: %2").arg(n).arg(share)));
        }
    }

    void scriptedValuesForceADraw() {
        ScriptedRnd rnd;
        rnd.push({ScriptedRnd::forDraw(7, 10, 1), ScriptedRnd::forDraw(11, 10, 1),
                  ScriptedRnd::forDraw(1, 10, 1)});
        QCOMPARE(rnd.draw(10, 1), 7);
        QCOMPARE(rnd.draw(10, 1), 11);
        QCOMPARE(rnd.draw(10, 1), 1);
        QCOMPARE(rnd.overruns(), 0);
        rnd.next();
        QCOMPARE(rnd.overruns(), 1);
    }

    void distinctDrawsRedrawRepeats() {
        ScriptedRnd rnd;
        for (int v : {3, 3, 1, 3, 1, 4, 2})
            rnd.push(ScriptedRnd::forDraw(v, 3, 1));
        std::array<int, 4> values{};
        drawDistinct(rnd, values, 3, 1);
        QCOMPARE(values, (std::array<int, 4>{3, 1, 4, 2}));
        QCOMPARE(rnd.remaining(), 0);
        QCOMPARE(rnd.overruns(), 0);
    }

    void distinctDrawsSurviveAStuckGenerator() {
        // A generator that always gives 0 draws c every time: the entries still
        // differ, the smallest free values in order.
        ScriptedRnd rnd;
        std::array<int, 6> values{};
        drawDistinct(rnd, values, 5, 1);
        QCOMPARE(values, (std::array<int, 6>{1, 2, 3, 4, 5, 6}));
        std::array<int, 3> fromTen{};
        drawDistinct(rnd, fromTen, 2, 10);
        QCOMPARE(fromTen, (std::array<int, 3>{10, 11, 12}));
    }
};
ZORNA_TEST_CLASS(RandomDrawTest)

class VirtualClockTest : public QObject {
    Q_OBJECT
private slots:
    void firesDueTicksInTimeOrder() {
        VirtualClock clock;
        QStringList log;
        auto fast = clock.createTimer(40, [&] { log << QStringLiteral("40@%1").arg(clock.nowMs()); });
        auto slow = clock.createTimer(100, [&] { log << QStringLiteral("100@%1").arg(clock.nowMs()); });
        fast->start();
        slow->start();
        clock.advance(200);
        QCOMPARE(log, QStringList({"40@40", "40@80", "100@100", "40@120", "40@160", "100@200", "40@200"}));
    }

    void disabledTimerDoesNotTickAndRestartsFromEnable() {
        VirtualClock clock;
        int ticks = 0;
        auto t = clock.createTimer(100, [&] { ++ticks; });
        clock.advance(500);
        QCOMPARE(ticks, 0);
        t->start();
        clock.advance(99);
        QCOMPARE(ticks, 0);
        clock.advance(1);
        QCOMPARE(ticks, 1);
        t->start(); // enabling an enabled timer changes nothing
        clock.advance(100);
        QCOMPARE(ticks, 2);
        t->stop();
        clock.advance(1000);
        QCOMPARE(ticks, 2);
    }

    void timerDestroyedInsideItsOwnTick() {
        VirtualClock clock;
        int ticks = 0;
        std::unique_ptr<Timer> t;
        t = clock.createTimer(10, [&] {
            ++ticks;
            t.reset();
        });
        t->start();
        clock.advance(100);
        QCOMPARE(ticks, 1);
        QCOMPARE(clock.enabledTimerCount(), 0);
    }

    // A timeout on time runs one tick; one more than an interval late also runs
    // the ticks it missed, so the count keeps up with real time; a stall longer
    // than the make-up limit is not made up.
    void tickScheduleMakesUpForDelayedTicks() {
        struct Case {
            const char* what;
            QList<qint64> timeouts; // ms since the start, interval 10 ms
            QList<int> ticks;
        };
        const Case cases[] = {
            {"on time", {10, 20, 30}, {1, 1, 1}},
            {"a little early", {9, 20}, {1, 1}},
            {"late by less than an interval", {18, 21, 30}, {1, 1, 1}},
            {"late by two and a half intervals", {35, 40, 50}, {3, 1, 1}},
            {"late by exactly the make-up limit", {260, 270}, {26, 1}},
            {"a stall longer than the make-up limit", {10, 400, 410}, {1, 1, 1}},
        };
        for (const Case& c : cases) {
            TickSchedule schedule(0, 10);
            QList<int> ticks;
            for (const qint64 at : c.timeouts)
                ticks.append(schedule.ticksDue(at));
            QVERIFY2(ticks == c.ticks, c.what);
        }
    }

    void realClockTicks() {
        RealClock clock;
        int ticks = 0;
        auto t = clock.createTimer(10, [&] { ++ticks; });
        t->start();
        QTRY_VERIFY_WITH_TIMEOUT(ticks >= 3, 2000);
        QVERIFY(t->isEnabled());
    }
};
ZORNA_TEST_CLASS(VirtualClockTest)

class ProgramFolderTest : public QObject {
    Q_OBJECT
private slots:
    void namesMatchWithoutLetterCase() {
        QTemporaryDir dir;
        QDir(dir.path()).mkpath(QStringLiteral("temp"));
        QDir(dir.path()).mkpath(QStringLiteral("Kletka7"));
        ProgramFolder folder(dir.path());
        ZORNA_COMPARE_PATH(folder.workingFolder(), dir.path() + QStringLiteral("/temp"));
        ZORNA_COMPARE_PATH(folder.usedPictureFile(2), dir.path() + QStringLiteral("/temp/2.$$$"));
        ZORNA_COMPARE_PATH(folder.path(QStringLiteral("\\TEMP\\x.dat")),
                           dir.path() + QStringLiteral("/temp/x.dat"));
        ZORNA_COMPARE_PATH(folder.taskPicture(7, 3), dir.path() + QStringLiteral("/Kletka7/3.jpg"));
        // A name that does not exist keeps its spelling.
        QCOMPARE(folder.saveFolder(), dir.path() + QStringLiteral("/Save"));
        QVERIFY(folder.ensureFolder(QStringLiteral("Save/1/Temp")));
        QVERIFY(QFileInfo(dir.path() + QStringLiteral("/Save/1/Temp")).isDir());
    }

    void writeAtStartNeverShortens() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("f.bin"));
        QVERIFY(writeAtStart(path, QByteArray(60, 'x')));
        QVERIFY(writeAtStart(path, QByteArray(44, 'y')));
        const QByteArray data = *readFile(path);
        QCOMPARE(data.size(), 60);
        QCOMPARE(data.left(44), QByteArray(44, 'y'));
        QCOMPARE(data.mid(44), QByteArray(16, 'x'));
    }

    void removeFilesKeepsFolderAndSubfolders() {
        QTemporaryDir dir;
        QDir d(dir.path());
        d.mkpath(QStringLiteral("sub"));
        writeAtStart(dir.filePath(QStringLiteral("a.$$$")), "1");
        writeAtStart(dir.filePath(QStringLiteral("b")), "2");
        QVERIFY(removeFilesIn(dir.path()));
        QVERIFY(filesIn(dir.path()).isEmpty());
        QVERIFY(d.exists(QStringLiteral("sub")));
    }
};
ZORNA_TEST_CLASS(ProgramFolderTest)

class RecordsTest : public QObject {
    Q_OBJECT
private slots:
    void windows1251RoundTrip_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("latin") << QStringLiteral("Ann 1") << QByteArray("Ann 1");
        QTest::newRow("ukrainian letters")
            << QStringLiteral("іїєґІЇЄҐ") << QByteArray("\xb3\xbf\xba\xb4\xb2\xaf\xaa\xa5");
        QTest::newRow("name") << QStringLiteral("Марія") << QByteArray("\xcc\xe0\xf0\xb3\xff");
        QTest::newRow("apostrophe") << QStringLiteral("Об’єм") << QByteArray("\xce\xe1\x92\xba\xec");
    }
    void windows1251RoundTrip() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(toWindows1251(text), bytes);
        QCOMPARE(fromWindows1251(bytes), text);
    }

    // The game's own table against the system's codec, where Qt has one (ICU,
    // on Linux): every byte reads as the same character.
    void tableAgreesWithTheSystemCodec() {
        QStringDecoder system("windows-1251", QStringConverter::Flag::Stateless);
        if (!system.isValid())
            QSKIP("this Qt converts no code pages (no ICU)");
        for (int b = 0; b < 256; ++b) {
            QCOMPARE(fromWindows1251(QByteArray(1, char(b))), system.decode(QByteArray(1, char(b))));
        }
    }

    void unmappableCharactersBecomeQuestionMarks() {
        QCOMPARE(toWindows1251(QStringLiteral("a中b")), QByteArray("a?b"));
        QCOMPARE(toWindows1251(QString::fromUtf8("x\U0001F600y")), QByteArray("x?y"));
    }

    void littleEndianIntegersAndPaddedText() {
        RecordWriter w;
        w.int16(3);
        w.int16(-1);
        w.int16(0x1234);
        w.text(QStringLiteral("Ія"), 5);
        QCOMPARE(w.data(), QByteArray("\x03\x00\xff\xff\x34\x12\xb2\xff   ", 11));
        RecordReader r(w.data());
        QCOMPARE(r.int16(), qint16(3));
        QCOMPARE(r.int16(), qint16(-1));
        QCOMPARE(r.int16(), qint16(0x1234));
        QCOMPARE(r.text(5), QStringLiteral("Ія   "));
        QVERIFY(r.ok());
        r.int16();
        QVERIFY(!r.ok());
    }

    // The first character a name cannot be saved with, as a code point.
    void firstUnencodable_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("codePoint"); // 0: every character can be saved
        QTest::newRow("ukrainian") << QStringLiteral("Ґалина Її є") << 0;
        QTest::newRow("punctuation of the code") << QStringLiteral("«Оля» №1 — ’…") << 0;
        QTest::newRow("empty") << QString() << 0;
        QTest::newRow("chinese") << QStringLiteral("a李王") << 0x674E;
        QTest::newRow("e acute") << QStringLiteral("Renée") << 0xE9;
        QTest::newRow("combining accent") << QString::fromUtf8("Rene\u0301e") << 0x301;
        QTest::newRow("emoji") << QString::fromUtf8("x\U0001F600") << 0x1F600;
        QTest::newRow("lone surrogate") << (QStringLiteral("ab") + QChar(0xD800)) << 0xD800;
        QTest::newRow("inverted question mark") << QStringLiteral("¿Qué?") << 0xBF;
    }
    void firstUnencodable() {
        QFETCH(QString, text);
        QFETCH(int, codePoint);
        const std::optional<char32_t> found = zorna::firstUnencodable(text);
        QCOMPARE(found.has_value(), codePoint != 0);
        if (found)
            QCOMPARE(int(*found), codePoint);
    }

    // Counts that do not fit the data (past the end, negative, huge) never move
    // the reader outside it: they read nothing and mark the record broken.
    void readsThatDoNotFitStopAtTheEnd_data() {
        QTest::addColumn<int>("kind"); // 0 text, 1 skip
        QTest::addColumn<int>("count");
        QTest::newRow("text past the end") << 0 << 5;
        QTest::newRow("negative text") << 0 << -3;
        QTest::newRow("huge text") << 0 << std::numeric_limits<int>::max();
        QTest::newRow("skip past the end") << 1 << 5;
        QTest::newRow("negative skip") << 1 << -3;
        QTest::newRow("huge skip") << 1 << std::numeric_limits<int>::max();
    }
    void readsThatDoNotFitStopAtTheEnd() {
        QFETCH(int, kind);
        QFETCH(int, count);
        RecordReader r(QByteArray("\x01\x00\x02\x00", 4));
        QCOMPARE(r.int16(), qint16(1));
        if (kind == 0)
            QCOMPARE(r.text(count), QString());
        else
            r.skip(count);
        QVERIFY(!r.ok());
        QCOMPARE(r.position(), 4);
        QCOMPARE(r.int16(), qint16(0));
        QCOMPARE(r.position(), 4);
    }

    void textIsCutToWidth() {
        RecordWriter w;
        w.text(QString(60, QLatin1Char('a')), 50);
        QCOMPARE(w.data(), QByteArray(50, 'a'));
    }
};
ZORNA_TEST_CLASS(RecordsTest)

class CursorAndDialogTest : public QObject {
    Q_OBJECT
private slots:
    void cursorFileKeepsItsHotSpot() {
        zorna::test::TestProgramFolder folder;
        ProgramFolder programFolder(folder.root());
        const QCursor hand = loadCursorFile(programFolder.path(QStringLiteral("h_point.cur")));
        QCOMPARE(hand.hotSpot(), QPoint(12, 1));
        QCOMPARE(hand.pixmap().size(), QSize(32, 32));
        const QCursor missing =
            loadCursorFile(programFolder.path(QStringLiteral("none.cur")), QCursor(Qt::CrossCursor));
        QCOMPARE(missing.shape(), Qt::CrossCursor);
    }

    void scriptedDialogsRecordAndAnswer() {
        ScriptedDialogs dialogs;
        dialogs.answer(MsgAnswer::No);
        const Message question{QStringLiteral("Запит"), QStringLiteral("Зберегти гру?"), MsgIcon::Question,
                               MsgButtons::YesNo};
        QCOMPARE(dialogs.show(nullptr, question), MsgAnswer::No);
        QCOMPARE(dialogs.show(nullptr, question), MsgAnswer::Yes); // default button without a script
        QCOMPARE(dialogs.asked().size(), 2);
        QCOMPARE(dialogs.asked().first(), question);
    }

    // What waits for the open boxes runs once the last one is answered and
    // the handler that asked has returned; at once when none is open.
    void actionsWaitForTheOpenBoxes() {
        ScriptedDialogs dialogs;
        QObject context;
        QStringList runs;
        dialogs.whenAnswered(&context, [&] { runs << "at once"; });
        QCOMPARE(runs, QStringList{"at once"});
        dialogs.whileOpen([&](const Message& m) {
            QVERIFY(dialogs.anyOpen());
            if (m.text == "first")
                dialogs.whenAnswered(&context, [&] { runs << "after"; });
        });
        dialogs.show(nullptr, Message{QString(), "first"});
        QVERIFY(!dialogs.anyOpen());
        QCOMPARE(runs.size(), 1);
        // The handler asks again before the waiting action gets its turn.
        dialogs.whileOpen([&](const Message&) { QCoreApplication::processEvents(); });
        dialogs.show(nullptr, Message{QString(), "second"});
        QCOMPARE(runs.size(), 1);
        QCoreApplication::processEvents();
        QCOMPARE(runs, (QStringList{"at once", "after"}));
        // Dropped with its context.
        auto* gone = new QObject;
        dialogs.whileOpen([&](const Message&) { dialogs.whenAnswered(gone, [&] { runs << "gone"; }); });
        dialogs.show(nullptr, Message{QString(), "third"});
        delete gone;
        QCoreApplication::processEvents();
        QCOMPARE(runs.size(), 2);
    }

    // The real box shows its text as plain text: markup in a name or a path
    // is shown as typed.
    void messageBoxShowsPlainText() {
        QtDialogs dialogs;
        Qt::TextFormat format = Qt::AutoText;
        QString text;
        QTimer::singleShot(0, qApp, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            format = box->textFormat();
            text = box->text();
            box->button(QMessageBox::Ok)->click();
        });
        const QString markup = QStringLiteral("<s>x</s> <i>y</i>");
        QCOMPARE(dialogs.show(nullptr, Message{QStringLiteral("Помилка"), markup}), MsgAnswer::Ok);
        QCOMPARE(format, Qt::PlainText);
        QCOMPARE(text, markup);
    }

    void messageBoxIsWideEnoughForItsTitle_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::newRow("short text") << QStringLiteral("Важливе повідомлення") << QStringLiteral("Так");
        QTest::newRow("one word") << QStringLiteral("Повідомлення") << QStringLiteral("Гра збережена!");
        QTest::newRow("long title") << QStringLiteral("Повернутися у вікно реєстрації гравців")
                                    << QStringLiteral("?");
    }
    void messageBoxIsWideEnoughForItsTitle() {
        QFETCH(QString, title);
        QFETCH(QString, text);
        QtDialogs dialogs;
        int width = 0;
        int needed = 0;
        QTimer::singleShot(0, qApp, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            width = box->width();
            needed = messageTitleWidth(*box, title);
            box->button(QMessageBox::Ok)->click();
        });
        dialogs.show(nullptr, Message{title, text});
        QVERIFY(needed > 0);
        QVERIFY2(width >= needed, qPrintable(QStringLiteral("%1 < %2").arg(width).arg(needed)));
    }

    void desktopHelpRefusesAMissingPage() {
        QTemporaryDir dir;
        DesktopHelpLauncher help;
        QVERIFY(!help.open(dir.filePath(QStringLiteral("help/help.htm"))));
        QVERIFY(!help.open(dir.path()));
    }
};
ZORNA_TEST_CLASS(CursorAndDialogTest)

#include "platform_test.moc"
