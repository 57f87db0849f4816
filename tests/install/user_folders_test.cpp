// Where an installed program keeps each user's games: with a read-only program
// folder, Temp and Save move to the user's own data folder, same layout.
#include "board/board_support.h"
#include "platform/single_instance.h"
#include "registration/start_up.h"
#include "support/test_registry.h"

#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>

namespace zorna::test {
namespace {

// Every entry under a folder with its size: a picture of what it holds.
QStringList snapshot(const QString& root) {
    QStringList entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        entries << it.filePath().mid(root.size()) + QLatin1Char(' ') + QString::number(it.fileInfo().size());
    }
    entries.sort();
    return entries;
}

constexpr QFile::Permissions kReadOnlyFolder = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                               QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
constexpr QFile::Permissions kWritableFolder = kReadOnlyFolder | QFile::WriteOwner;

// Makes the folder read-only for the test's lifetime.
struct ReadOnly {
    explicit ReadOnly(QString folder) : folder(std::move(folder)) {
        QFile::setPermissions(this->folder, kReadOnlyFolder);
    }
    ~ReadOnly() { QFile::setPermissions(folder, kWritableFolder); }
    QString folder;
};

} // namespace

class UserFoldersTest : public QObject {
    Q_OBJECT
private slots:
    void writableProgramFolderKeepsTheGamesInside() {
        TestProgramFolder program;
        QTemporaryDir user;
        const ProgramFolder folder =
            ProgramFolder::forExecutable(program.root(), "/nonexistent", user.path());
        QVERIFY(folder.keepsGamesInside());
        QCOMPARE(folder.root(), program.root());
        QCOMPARE(folder.saveFolder(), program.root() + "/Save");
        QCOMPARE(folder.usedPictureFile(17), folder.workingFolder() + "/17.$$$");
        QCOMPARE(folder.workingFolder(), program.root() + "/Temp");
    }

    void installedProgramFolderIsFoundBesideTheExecutable() {
        // An executable without the program's files beside it (bin/) finds
        // them in the installed data folder.
        QTemporaryDir bin;
        TestProgramFolder data;
        QTemporaryDir user;
        const ProgramFolder folder = ProgramFolder::forExecutable(bin.path(), data.root(), user.path());
        QCOMPARE(folder.root(), data.root());
        QVERIFY(QFileInfo(folder.helpPage()).isFile());
        // Its games are the user's even where the installed folder is writable.
        QCOMPARE(folder.gamesRoot(), user.path());
        QCOMPARE(folder.workingFolder(), user.path() + "/Temp");
    }

    void readOnlyProgramFolderSendsTheGamesToTheUser() {
        if (geteuid() == 0)
            QSKIP("the superuser may write any folder; the test runner runs this test as another user");
        TestProgramFolder program;
        QTemporaryDir user;
        ReadOnly readOnly(program.root());
        const ProgramFolder folder =
            ProgramFolder::forExecutable(program.root(), "/nonexistent", user.path());
        QVERIFY(!folder.keepsGamesInside());
        QCOMPARE(folder.root(), program.root());
        QCOMPARE(folder.gamesRoot(), user.path());
    }

    void namesResolveUnderTheRightFolder_data() {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<bool>("games");
        QTest::newRow("working folder") << "Temp" << true;
        QTest::newRow("used-picture file, other case") << "temp/2.$$$" << true;
        QTest::newRow("saved game file, backslashes") << "\\save\\1\\date.dat" << true;
        QTest::newRow("task picture") << "kletka2/1.jpg" << false;
        QTest::newRow("a picture named like the folder") << "kletka2/Temp" << false;
        QTest::newRow("cursor") << "h_point.cur" << false;
    }
    void namesResolveUnderTheRightFolder() {
        QFETCH(QString, relative);
        QFETCH(bool, games);
        const ProgramFolder folder(QStringLiteral("/usr/share/zorna"),
                                   QStringLiteral("/home/ira/.local/share/Zorna"));
        QVERIFY(folder.path(relative).startsWith(games ? folder.gamesRoot() + "/" : folder.root() + "/"));
    }

    // The whole save and restore of a game with the program folder read-only:
    // the games go to the user's folder, the program folder stays as it was,
    // and another user sees none of them.
    void saveAndRestoreWithReadOnlyProgramFolder() {
        TestContext tc(fakeCatalog());
        QTemporaryDir ira;
        QTemporaryDir petro;
        ReadOnly readOnly(tc.programFolder.root());
        const QStringList before = snapshot(tc.programFolder.root());
        tc.ctx.folder = ProgramFolder(tc.programFolder.root(), ira.path() + "/Zorna");
        StatTable savedStats;
        {
            FakeRegistration reg;
            BoardUnderTest board(tc, reg);
            // The chip pictures are readable by this user.
            QVERIFY(!board->chip(1)->picture().isNull());
            board->startGame();
            play(tc, *board.board, true);
            QVERIFY(tc.ctx.folder.ensureFolder(QStringLiteral("Temp")));
            QVERIFY(writeAtStart(tc.ctx.folder.usedPictureFile(2), QByteArray(44, '\x01')));
            saveAnswering(tc, *board.board, MsgAnswer::Yes);
            QVERIFY(board->session().isSaved());
            QCOMPARE(board->session().folderName(), QStringLiteral("1"));
            savedStats = board->session().stats();
            QVERIFY(savedStats != StatTable());
        }
        // Ira's games folder is hers alone.
        QCOMPARE(QFileInfo(ira.path() + "/Zorna").permissions() &
                     (QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther),
                 QFile::Permissions());
        const QString game = ira.path() + "/Zorna/Save/1";
        QVERIFY(QFileInfo(game + "/date.dat").isFile());
        QVERIFY(QFileInfo(game + "/statist.dat").isFile());
        QCOMPARE(readFile(game + "/Temp/2.$$$").value_or(QByteArray()), QByteArray(44, '\x01'));
        QCOMPARE(snapshot(tc.programFolder.root()), before);

        // Restored from the user's save folder, the game goes on where it was.
        QVERIFY(removeFilesIn(tc.ctx.folder.workingFolder()));
        FakeRegistration reg;
        reg.saved = true;
        reg.folder = tc.ctx.folder.saveFolder() + "/1";
        BoardUnderTest board(tc, reg);
        QCOMPARE(board->session().currentPlayer(), 2);
        QCOMPARE(board->session().stats(), savedStats);
        QCOMPARE(readFile(tc.ctx.folder.usedPictureFile(2)).value_or(QByteArray()), QByteArray(44, '\x01'));
        QCOMPARE(snapshot(tc.programFolder.root()), before);

        // Another user of the same program folder has no saved games.
        const ProgramFolder other(tc.programFolder.root(), petro.path() + "/Zorna");
        QVERIFY(!QFileInfo::exists(other.saveFolder()));
        QVERIFY(!QFileInfo::exists(other.usedPictureFile(2)));
    }

    // A user's first start with a read-only program folder: the user's games
    // folder is made first, so the lock is taken there and a second copy is
    // kept out from the very first start.
    void firstStartLocksTheUsersGamesFolder() {
        TestContext tc(fakeCatalog());
        QTemporaryDir ira;
        ReadOnly readOnly(tc.programFolder.root());
        const ProgramFolder folder(tc.programFolder.root(), ira.path() + "/Zorna");
        QVERIFY(!QFileInfo::exists(folder.gamesRoot()));
        const std::unique_ptr<SingleInstance> first = lockGamesFolder(folder);
        QCOMPARE(first->state(), SingleInstance::State::Held);
        QCOMPARE(first->path(), folder.gamesRoot() + "/zorna.lock");
        QCOMPARE(lockGamesFolder(folder)->state(), SingleInstance::State::HeldByAnother);
        // Where even the games folder cannot be made, the start is refused.
        const ProgramFolder nowhere(tc.programFolder.root(), tc.programFolder.root() + "/Zorna");
        QCOMPARE(lockGamesFolder(nowhere)->state(), SingleInstance::State::Unavailable);
    }
};

ZORNA_TEST_CLASS(UserFoldersTest)

} // namespace zorna::test

#include "user_folders_test.moc"
