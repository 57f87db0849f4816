// Where an installed program keeps each user's games: with a read-only program
// folder, Temp and Save move to the user's own data folder, same layout.
#include "board/board_support.h"
#include "platform/pictures.h"
#include "support/test_registry.h"
#include "tasks/common/dispatch_table.h"
#include "tasks/common/picture_box.h"
#include "tasks/common/task_catalog.h"

#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>

#include <memory>

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
            tc.dialogs.answer(MsgAnswer::Yes);
            board->saveGame();
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

    void hiDpiPicturesComeFromTheirDoubleSizeSource() {
        QTemporaryDir dir;
        QImage small(10, 8, QImage::Format_RGB32);
        small.fill(Qt::red);
        QImage large(20, 16, QImage::Format_RGB32);
        large.fill(Qt::blue);
        QVERIFY(small.save(dir.filePath("pic.png")));
        QVERIFY(large.save(dir.filePath("pic@2x.png")));
        QVERIFY(small.save(dir.filePath("alone.jpg")));
        QCOMPARE(hiDpiVariant(QStringLiteral("/p/kletka2/1.jpg")), QStringLiteral("/p/kletka2/1@2x.jpg"));
        QCOMPARE(hiDpiVariant(QStringLiteral("/p.d/map")), QStringLiteral("/p.d/map@2x"));
        QCOMPARE(hiDpiVariant(QStringLiteral("/p/kletka24/3_1.bmp")),
                 QStringLiteral("/p/kletka24/3_1@2x.png"));
        QCOMPARE(hiDpiVariant(QStringLiteral("/p/open.BMP")), QStringLiteral("/p/open@2x.png"));

        const QPixmap one = loadPicture(dir.filePath("pic.png"), 1.0);
        QCOMPARE(one.size(), QSize(10, 8));
        QCOMPARE(one.toImage().pixelColor(0, 0), QColor(Qt::red));

        const QPixmap two = loadPicture(dir.filePath("pic.png"), 2.0);
        QCOMPARE(two.size(), QSize(20, 16));
        QCOMPARE(two.devicePixelRatio(), 2.0);
        QCOMPARE(two.deviceIndependentSize(), QSizeF(10, 8));
        QCOMPARE(two.toImage().pixelColor(0, 0), QColor(Qt::blue));

        // A BMP picture's double-size source is a PNG.
        QVERIFY(small.save(dir.filePath("scene.bmp")));
        QVERIFY(large.save(dir.filePath("scene@2x.png")));
        const QPixmap scene = loadPicture(dir.filePath("scene.bmp"), 2.0);
        QCOMPARE(scene.size(), QSize(20, 16));
        QCOMPARE(scene.deviceIndependentSize(), QSizeF(10, 8));
        QCOMPARE(scene.toImage().pixelColor(0, 0), QColor(Qt::blue));

        // Without a double-size source the picture itself is used.
        const QPixmap fallback = loadPicture(dir.filePath("alone.jpg"), 2.0);
        QCOMPARE(fallback.size(), QSize(10, 8));
        QCOMPARE(fallback.devicePixelRatio(), 1.0);
        QVERIFY(loadPicture(QString(), 2.0).isNull());
    }

    // The generated pictures that have double-size sources keep their names
    // and sizes, and the sources are exactly twice as large.
    void generatedDoubleSizeSources_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("map") << "map.png";
        QTest::newRow("chip") << "guk23.gif";
        QTest::newRow("single-choice picture") << "kletka2/5.jpg";
        QTest::newRow("single-choice picture of another window") << "kletka20/11.jpg";
        QTest::newRow("missing-detail task picture") << "kletka11/7.jpg";
        QTest::newRow("missing-detail completed picture") << "kletka11/2/3.jpg";
    }
    void generatedDoubleSizeSources() {
        QFETCH(QString, name);
        const QString path = QStringLiteral(ZORNA_APP_DIR "/") + name;
        const QImage picture(path);
        const QImage source(hiDpiVariant(path));
        QVERIFY2(!picture.isNull() && !source.isNull(), qPrintable(name));
        QCOMPARE(source.size(), picture.size() * 2);
    }

    // Every picture the generator draws has its double-size source, exactly
    // twice as large, and every double-size source has its picture. Kept at
    // their one size on purpose: the menu icons (one file per size of the
    // icon theme) and the help page's pictures (shown by the help browser).
    void everyGeneratedPictureHasItsDoubleSizeSource() {
        const QString root = QStringLiteral(ZORNA_APP_DIR "/");
        const QStringList oneSizeOnly{QStringLiteral("icons/"), QStringLiteral("help/")};
        QStringList wrong;
        int checked = 0;
        QDirIterator it(root, {"*.jpg", "*.bmp", "*.gif", "*.png"}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const QString name = path.mid(root.size());
            if (name.startsWith(QLatin1String("Temp/"), Qt::CaseInsensitive) ||
                name.startsWith(QLatin1String("Save/"), Qt::CaseInsensitive))
                continue;
            if (QFileInfo(name).completeBaseName().endsWith(QLatin1String("@2x"))) {
                QString one = name;
                one.remove(one.lastIndexOf(QLatin1String("@2x")), 3);
                const QString bmp = one.left(one.lastIndexOf(QLatin1Char('.'))) + QStringLiteral(".bmp");
                if (!QFileInfo::exists(root + one) &&
                    !(one.endsWith(QLatin1String(".png")) && QFileInfo::exists(root + bmp)))
                    wrong << name + QStringLiteral(": no picture of its own size");
                continue;
            }
            if (std::any_of(oneSizeOnly.begin(), oneSizeOnly.end(),
                            [&](const QString& folder) { return name.startsWith(folder); })) {
                if (QFileInfo::exists(hiDpiVariant(path)))
                    wrong << name + QStringLiteral(": listed as one size only, but has a double-size source");
                continue;
            }
            const QImage picture(path);
            const QImage source(hiDpiVariant(path));
            ++checked;
            if (picture.isNull() || source.isNull())
                wrong << name + QStringLiteral(": no double-size source");
            else if (source.size() != picture.size() * 2)
                wrong << name + QStringLiteral(": %1 x %2 beside %3 x %4")
                                    .arg(source.width())
                                    .arg(source.height())
                                    .arg(picture.width())
                                    .arg(picture.height());
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
        // The walk found the program folder's pictures (more than 500 of them).
        QVERIFY2(checked > 500, qPrintable(QString::number(checked)));
    }

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

ZORNA_TEST_CLASS(UserFoldersTest)

} // namespace zorna::test

#include "user_folders_test.moc"
