#include "board/board_support.h"
#include "board/game_files.h"
#include "doubles/failing_file_system.h"
#include "platform/file_system.h"
#include "platform/single_instance.h"
#include "registration/registration_fixture.h"
#include "registration/registration_window.h"
#include "registration/start_up.h"
#include "support/links.h"
#include "support/test_registry.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

using namespace zorna;
using namespace zorna::test;

namespace {

const Message kDeleteFailed{QStringLiteral("Помилка"), QStringLiteral("Гру не вдалося видалити!"),
                            MsgIcon::Warning, MsgButtons::Ok};
const Message kAlreadyRunning{QStringLiteral("Повідомлення"), QStringLiteral("Гра вже запущена!"),
                              MsgIcon::Information, MsgButtons::Ok};

QByteArray gameOf(const QString& first, const QString& second) {
    return gameRecordBytes(2, {first, second}, {3, 4}, 1);
}

} // namespace

class SavedGameFilesTest : public QObject {
    Q_OBJECT
private slots:
    // Odd date.dat files are listed (the folder has one) but never hang the
    // browser, and the game is refused when it is to be opened.
    void oddRecordFilesAreListedButNotOpened_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("FIFO") << "fifo";
        QTest::newRow("3 GB sparse file with a valid start") << "sparse";
        QTest::newRow("link to a valid record") << "link";
    }
    void oddRecordFilesAreListedButNotOpened() {
        QFETCH(QString, kind);
        TestContext tc(fakeCatalog());
        const QString date = tc.programFolder.root() + "/Save/1/date.dat";
        QDir().mkpath(tc.programFolder.root() + "/Save/1");
        if (kind == QLatin1String("fifo")) {
            ZORNA_FIFO(date);
        } else if (kind == QLatin1String("sparse")) {
            tc.programFolder.write(QStringLiteral("Save/1/date.dat"), gameOf("Оля", "Петро"));
            QFile f(date);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.resize(3LL * 1024 * 1024 * 1024));
        } else {
            tc.programFolder.write(QStringLiteral("elsewhere.dat"), gameOf("Оля", "Петро"));
            ZORNA_LINK(tc.programFolder.root() + "/elsewhere.dat", date);
        }
        tc.programFolder.write(QStringLiteral("Save/2/date.dat"), gameOf("Іра", "Марко"));
        RegistrationUnderTest r(RegistrationWindow::showFresh(tc.ctx, tc.catalog));
        r->toggleSavedGames();
        QVERIFY(tc.dialogs.asked().isEmpty());
        QCOMPARE(r->savedGames(), (QStringList{"1", "2"}));
        QCOMPARE(r->savedNameLabel(1)->text(), QString());
        r->goToBoard();
        QCOMPARE(tc.dialogs.asked().size(), 1);
        QVERIFY(tc.dialogs.asked().first().text.contains(
            QDir::toNativeSeparators(tc.ctx.folder.saveFolder() + "/1")));
        QVERIFY(!r->board());
        r->showNextGame();
        QCOMPARE(r->savedNameLabel(1)->text(), QStringLiteral("Іра"));
    }

    void upperCaseRecordIsOpened() {
        TestContext tc(fakeCatalog());
        tc.programFolder.write(QStringLiteral("Save/1/DATE.DAT"), gameOf("Оля", "Петро"));
        RegistrationUnderTest r(RegistrationWindow::showFresh(tc.ctx, tc.catalog));
        r->toggleSavedGames();
        QCOMPARE(r->savedNameLabel(1)->text(), QStringLiteral("Оля"));
        r->goToBoard();
        QVERIFY(tc.dialogs.asked().isEmpty());
        QVERIFY(r->board());
        QCOMPARE(r->board()->session().game().players()[1].square(), 4);
        delete r->board();
    }

    // After a delete that failed the panel shows what the disk holds.
    void failedDeleteShowsWhatIsOnDisk_data() {
        QTest::addColumn<bool>("goneAlready");
        QTest::addColumn<QStringList>("left");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("next");
        QTest::newRow("another copy removed it")
            << true << QStringList{"2"} << QStringLiteral("Іра") << false;
        QTest::newRow("it cannot be removed")
            << false << QStringList{"1", "2"} << QStringLiteral("Оля") << true;
    }
    void failedDeleteShowsWhatIsOnDisk() {
        QFETCH(bool, goneAlready);
        QFETCH(QStringList, left);
        QFETCH(QString, shown);
        QFETCH(bool, next);
        TestContext tc(fakeCatalog());
        tc.programFolder.write(QStringLiteral("Save/1/date.dat"), gameOf("Оля", "Петро"));
        tc.programFolder.write(QStringLiteral("Save/2/date.dat"), gameOf("Іра", "Марко"));
        RegistrationUnderTest r(RegistrationWindow::showFresh(tc.ctx, tc.catalog));
        r->toggleSavedGames();
        if (goneAlready)
            QVERIFY(QDir(tc.programFolder.root() + "/Save/1").removeRecursively());
        tc.dialogs.answer(MsgAnswer::Yes);
        tc.dialogs.answer(MsgAnswer::Ok);
        {
            FailingFileSystem stuck(goneAlready ? FailingFileSystem::kNever : 0, true);
            r->deleteGame();
        }
        QCOMPARE(tc.dialogs.asked().last(), kDeleteFailed);
        QCOMPARE(r->savedGames(), left);
        QCOMPARE(r->savedNameLabel(1)->text(), shown);
        QVERIFY(!r->previousGameButton()->isEnabled());
        QCOMPARE(r->nextGameButton()->isEnabled(), next);
        QVERIFY(r->savedMode());
    }

    // A save cut short is put right before the browser looks for damaged
    // folders: the complete new game is listed, a half-built one is gone.
    void interruptedSaveIsFinishedBeforeTheCheck() {
        TestContext tc(fakeCatalog());
        tc.programFolder.write(QStringLiteral("Save/1~ready/date.dat"), gameOf("Оля", "Петро"));
        tc.programFolder.write(QStringLiteral("Save/1~ready/statist.dat"), StatTable().toBytes());
        QDir().mkpath(tc.programFolder.root() + "/Save/2~saving/Temp");
        RegistrationUnderTest r(RegistrationWindow::showFresh(tc.ctx, tc.catalog));
        r->toggleSavedGames();
        QVERIFY(tc.dialogs.asked().isEmpty());
        QCOMPARE(r->savedGames(), QStringList{"1"});
        QCOMPARE(r->savedNameLabel(1)->text(), QStringLiteral("Оля"));
        QCOMPARE(QDir(tc.ctx.folder.saveFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{"1"});
    }

    // What is kept aside or in progress ("~" in its name) is neither listed nor
    // taken for a damaged game.
    void namesWithATildeAreNotGames() {
        TestContext tc(fakeCatalog());
        tc.programFolder.write(QStringLiteral("Save/1/date.dat"), gameOf("Оля", "Петро"));
        tc.programFolder.write(QStringLiteral("Save/2~damaged-2026-01-05/date.dat"), gameOf("Іра", "Марко"));
        QDir().mkpath(tc.programFolder.root() + "/Save/3~old~ready");
        QDir().mkpath(tc.programFolder.root() + "/Save/notes~");
        RegistrationUnderTest r(RegistrationWindow::showFresh(tc.ctx, tc.catalog));
        r->toggleSavedGames();
        QVERIFY(tc.dialogs.asked().isEmpty());
        QCOMPARE(r->savedGames(), QStringList{"1"});
        QCOMPARE(QDir(tc.ctx.folder.saveFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 (QStringList{"1", "2~damaged-2026-01-05", "3~old~ready", "notes~"}));
    }

    // A damaged folder that could not be removed is not said to go: the
    // message says it stays, once, and the list leaves it out.
    void damagedFolderThatStaysIsNotSaidToGo() {
        TestContext tc(fakeCatalog());
        tc.programFolder.write(QStringLiteral("Save/1/date.dat"), gameOf("Оля", "Петро"));
        tc.programFolder.write(QStringLiteral("Save/2/Temp/2.$$$"), "x");
        RegistrationUnderTest r(RegistrationWindow::showFresh(tc.ctx, tc.catalog));
        {
            FailingFileSystem stuck(QRegularExpression(QStringLiteral("^remove tree .*/Save/2$")));
            r->toggleSavedGames();
            r->toggleSavedGames();
            r->toggleSavedGames();
        }
        const QString folder = QDir::toNativeSeparators(tc.ctx.folder.saveFolder() + "/2");
        QCOMPARE(
            tc.dialogs.asked(),
            QList<Message>{(Message{QStringLiteral("Помилка"),
                                    QStringLiteral("Виявлено помилку в даних гри") + folder +
                                        QStringLiteral("!\nПапку з даними цієї гри не вдалося видалити, її "
                                                       "пропущено."),
                                    MsgIcon::Warning, MsgButtons::Ok})});
        QVERIFY(tc.programFolder.exists(QStringLiteral("Save/2/Temp/2.$$$")));
        QCOMPARE(r->savedGames(), QStringList{"1"});
        QVERIFY(r->savedMode());
    }

#ifndef Q_OS_WIN
    // A game folder whose name is not text cannot be opened, checked or
    // removed by name: it is left alone, and the panel says why it is missing.
    void folderWithANameThatIsNotTextIsNamed() {
        TestContext tc(fakeCatalog());
        tc.programFolder.write(QStringLiteral("Save/1/date.dat"), gameOf("Оля", "Петро"));
        const QByteArray odd = QFile::encodeName(tc.programFolder.root()) + "/Save/\xff"
                                                                            "7";
        QCOMPARE(::mkdir(odd.constData(), 0777), 0);
        RegistrationUnderTest r(RegistrationWindow::showFresh(tc.ctx, tc.catalog));
        r->toggleSavedGames();
        QCOMPARE(r->savedGames(), QStringList{"1"});
        QCOMPARE(tc.dialogs.asked().size(), 1);
        QCOMPARE(tc.dialogs.asked().first().title, QStringLiteral("Повідомлення"));
        QVERIFY(tc.dialogs.asked().first().text.endsWith(QStringLiteral("збережених ігор:\n\uFFFD7")));
        struct stat st;
        QCOMPARE(::lstat(odd.constData(), &st), 0);
    }
#endif
};
ZORNA_TEST_CLASS(SavedGameFilesTest)

class StartUpTest : public QObject {
    Q_OBJECT
private slots:
    // A second copy on the same working folder says so and touches nothing;
    // once the first has ended the next start runs and puts the files right.
    void secondCopyEndsWithoutTouchingAnything() {
        TestContext tc(fakeCatalog());
        tc.programFolder.write(QStringLiteral("Save/1~ready/date.dat"), gameOf("Оля", "Петро"));
        tc.programFolder.write(QStringLiteral("Save/1~ready/statist.dat"), StatTable().toBytes());
        auto first = std::make_unique<SingleInstance>(tc.ctx.folder.workingFolder());
        QVERIFY(first->isOnlyCopy());
        {
            const SingleInstance second(tc.ctx.folder.workingFolder());
            QVERIFY(!startProgram(tc.ctx, tc.catalog, second));
        }
        QCOMPARE(tc.dialogs.asked(), QList<Message>{kAlreadyRunning});
        QVERIFY(tc.programFolder.exists(QStringLiteral("Save/1~ready/date.dat")));
        QVERIFY(!tc.programFolder.exists(QStringLiteral("Save/1")));
        QVERIFY(!tc.programFolder.exists(QStringLiteral("Temp")));

        first.reset();
        tc.dialogs.clear();
        const SingleInstance next(tc.ctx.folder.workingFolder());
        RegistrationUnderTest r(startProgram(tc.ctx, tc.catalog, next));
        QVERIFY(r.w);
        QVERIFY(r->isVisible());
        QVERIFY(tc.dialogs.asked().isEmpty());
        QVERIFY(gamefiles::readGameRecord(tc.ctx.folder.saveFolder() + "/1"));
        QVERIFY(!tc.programFolder.exists(QStringLiteral("Save/1~ready")));
    }

    // A copy that cannot make its lock cannot know whether another one runs:
    // it says so and ends without touching anything.
    void lockThatCannotBeMadeStopsTheStart() {
        TestContext tc(fakeCatalog());
        tc.programFolder.write(QStringLiteral("Save/1~ready/date.dat"), gameOf("Оля", "Петро"));
        const QString lock = SingleInstance::lockPath(tc.ctx.folder.workingFolder());
        QVERIFY(QDir().mkpath(lock));
        const SingleInstance instance(tc.ctx.folder.workingFolder());
        QVERIFY(!startProgram(tc.ctx, tc.catalog, instance));
        QCOMPARE(
            tc.dialogs.asked(),
            QList<Message>{(Message{QStringLiteral("Помилка"),
                                    QStringLiteral("Гру не вдалося запустити: не вдалося створити файл «%1» "
                                                   "для перевірки, чи гра вже запущена.")
                                        .arg(QDir::toNativeSeparators(lock)),
                                    MsgIcon::Warning, MsgButtons::Ok})});
        QVERIFY(tc.programFolder.exists(QStringLiteral("Save/1~ready/date.dat")));
        QVERIFY(!tc.programFolder.exists(QStringLiteral("Save/1")));
    }

    // A Save or Temp that is a link to a folder outside is moved aside at the
    // start: the saved-games panel then finds no game there to remove as
    // damaged, and nothing outside is touched.
    void linkedGamesFoldersAreMovedAsideAtTheStart() {
        TestContext tc(fakeCatalog());
        tc.programFolder.write(QStringLiteral("Outside/9/notes.txt"), "mine");
        tc.programFolder.write(QStringLiteral("Outside/2.$$$"), "mine");
        const QString root = tc.programFolder.root();
        ZORNA_LINK(root + "/Outside", root + "/Save");
        ZORNA_LINK(root + "/Outside", root + "/Temp");
        const SingleInstance instance(tc.ctx.folder.workingFolder());
        RegistrationUnderTest r(startProgram(tc.ctx, tc.catalog, instance));
        QVERIFY(r.w);
        const QString day = QDate::currentDate().toString(Qt::ISODate);
        QCOMPARE(entryKind(root + "/Save~link-" + day), EntryKind::Link);
        QCOMPARE(entryKind(root + "/Temp~link-" + day), EntryKind::Link);
        r->toggleSavedGames();
        QVERIFY(tc.dialogs.asked().isEmpty());
        QCOMPARE(entryKind(root + "/Save"), EntryKind::Folder);
        QVERIFY(tc.ctx.folder.ensureFolder(QStringLiteral("Temp")));
        QVERIFY(removeFilesIn(tc.ctx.folder.workingFolder()));
        QCOMPARE(entryKind(root + "/Temp"), EntryKind::Folder);
        QCOMPARE(tc.programFolder.read(QStringLiteral("Outside/9/notes.txt")), QByteArray("mine"));
        QCOMPARE(tc.programFolder.read(QStringLiteral("Outside/2.$$$")), QByteArray("mine"));
    }
};
ZORNA_TEST_CLASS(StartUpTest)

#include "saved_games_test.moc"
