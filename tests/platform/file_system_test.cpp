#include "doubles/failing_file_system.h"
#include "platform/file_system.h"
#include "platform/program_folder.h"
#include "platform/single_instance.h"
#include "support/files.h"
#include "support/links.h"
#include "support/test_registry.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace zorna;
using namespace zorna::test;

class FileReadingTest : public QObject {
    Q_OBJECT
private slots:
    // Readers take plain files only, and only up to their bound: nothing in a
    // folder can make them wait or fill the memory.
    void readsOnlyBoundedPlainFiles_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("read");
        QTest::newRow("plain file") << "plain" << true;
        QTest::newRow("exactly the bound") << "bound" << true;
        QTest::newRow("missing") << "missing" << false;
        QTest::newRow("link to a plain file") << "link" << false;
        QTest::newRow("FIFO") << "fifo" << false;
        QTest::newRow("folder") << "folder" << false;
        QTest::newRow("one byte over the bound") << "over" << false;
        QTest::newRow("3 GB sparse file") << "sparse" << false;
    }
    void readsOnlyBoundedPlainFiles() {
        QFETCH(QString, kind);
        QFETCH(bool, read);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("date.dat"));
        const QByteArray bytes(100, 'd');
        if (kind == QLatin1String("plain"))
            put(path, bytes);
        else if (kind == QLatin1String("bound"))
            put(path, QByteArray(4096, 'd'));
        else if (kind == QLatin1String("link")) {
            put(dir.filePath(QStringLiteral("elsewhere")), bytes);
            ZORNA_LINK(dir.filePath(QStringLiteral("elsewhere")), path);
        } else if (kind == QLatin1String("fifo"))
            ZORNA_FIFO(path);
        else if (kind == QLatin1String("folder"))
            QVERIFY(QDir().mkpath(path));
        else if (kind == QLatin1String("over"))
            put(path, QByteArray(4097, 'd'));
        else if (kind == QLatin1String("sparse")) {
            put(path, bytes);
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.resize(3LL * 1024 * 1024 * 1024));
        }
        const std::optional<QByteArray> data = readFile(path, 4096);
        QCOMPARE(data.has_value(), read);
        if (read)
            QCOMPARE(*data, contentOf(path));
    }

    void namesMatchWithoutLetterCase() {
        QTemporaryDir dir;
        put(dir.filePath(QStringLiteral("DATE.DAT")), "upper");
        ZORNA_COMPARE_PATH(findEntry(dir.path(), QStringLiteral("date.dat")),
                           dir.filePath(QStringLiteral("DATE.DAT")));
        QCOMPARE(contentOf(findEntry(dir.path(), QStringLiteral("date.dat"))), QByteArray("upper"));
        // An exact match wins over one in another case.
        put(dir.filePath(QStringLiteral("date.dat")), "lower");
        QCOMPARE(findEntry(dir.path(), QStringLiteral("date.dat")), dir.filePath(QStringLiteral("date.dat")));
        QCOMPARE(findEntry(dir.path(), QStringLiteral("statist.dat")),
                 dir.filePath(QStringLiteral("statist.dat")));
    }
};
ZORNA_TEST_CLASS(FileReadingTest)

class FileWritingTest : public QObject {
    Q_OBJECT
private slots:
    // A name that is a link is replaced by a plain file; the link's target
    // outside stays as it was.
    void writesReplaceLinksNeverTheirTargets_data() {
        QTest::addColumn<bool>("atStart");
        QTest::newRow("whole file") << false;
        QTest::newRow("record at the start") << true;
    }
    void writesReplaceLinksNeverTheirTargets() {
        QFETCH(bool, atStart);
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("outside/keep.txt"));
        put(target, "keep this");
        const QString path = dir.filePath(QStringLiteral("2.$$$"));
        ZORNA_LINK(target, path);
        QVERIFY(atStart ? writeAtStart(path, "new") : writeWhole(path, "new"));
        QCOMPARE(entryKind(path), EntryKind::File);
        QCOMPARE(contentOf(path), QByteArray("new"));
        QCOMPARE(contentOf(target), QByteArray("keep this"));
    }

    // Every step of the layer in folders named in Cyrillic with spaces (a
    // Windows profile «Учень Олександра»): made, written, replaced, renamed,
    // read back, removed.
    void namesInCyrillicWithSpaces() {
        QTemporaryDir dir;
        const QString games = dir.filePath(QStringLiteral("Учень Олександра/Зорна ігри"));
        QVERIFY(makeFolders(games + QStringLiteral("/Save/Гра 1")));
        const QString record = games + QStringLiteral("/Save/Гра 1/дата.dat");
        QVERIFY(writeNewFile(record, "перша"));
        QVERIFY(writeWhole(record, "друга"));
        QVERIFY(writeAtStart(record, "Т"));
        QCOMPARE(readFile(record), std::optional<QByteArray>(QByteArray("Т") + QByteArray("друга").mid(2)));
        QCOMPARE(fileSize(record), qint64(QByteArray("Т").size() + QByteArray("друга").size() - 2));
        QCOMPARE(filesIn(games + QStringLiteral("/Save/Гра 1")), QStringList{QStringLiteral("дата.dat")});
        ZORNA_COMPARE_PATH(findEntry(games, QStringLiteral("save")), games + QStringLiteral("/Save"));
        QVERIFY(folderWritable(games));
        QVERIFY(renameEntry(games + QStringLiteral("/Save/Гра 1"), games + QStringLiteral("/Save/Гра 2")));
        QCOMPARE(entryKind(games + QStringLiteral("/Save/Гра 2/дата.dat")), EntryKind::File);
        QVERIFY(syncFolder(games + QStringLiteral("/Save")));
        {
            SingleInstance first(games + QStringLiteral("/Temp"));
            QVERIFY(first.isOnlyCopy());
            QVERIFY(!SingleInstance(games + QStringLiteral("/Temp")).isOnlyCopy());
        }
        QVERIFY(removeTree(games));
        QCOMPARE(entryKind(games), EntryKind::Missing);
    }

    // A write that fails at any step leaves the old file whole; one that is
    // killed at any step leaves the old or the new file, never a mix.
    void failedWriteKeepsTheOldFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("statist.dat"));
        const QByteArray oldBytes(85, 'o');
        const QByteArray newBytes(84, 'n');
        put(path, oldBytes);
        int steps = 0;
        {
            FailingFileSystem counting;
            QVERIFY(writeWhole(path, oldBytes));
            steps = int(counting.steps().size());
        }
        QVERIFY(steps >= 6); // create, write, sync, close, rename, sync folder
        for (const bool killed : {false, true}) {
            for (int step = 0; step < steps; ++step) {
                put(path, oldBytes);
                bool written = false;
                QString where;
                {
                    FailingFileSystem fs(step, killed);
                    written = writeWhole(path, newBytes);
                    where = QStringLiteral("%1 at %2").arg(killed ? "killed" : "failed", fs.failedStep());
                }
                const QByteArray now = contentOf(path);
                QVERIFY2(now == oldBytes || now == newBytes, qPrintable(where));
                if (written)
                    QVERIFY2(now == newBytes, qPrintable(where));
                if (!killed && now == oldBytes)
                    QVERIFY2(!written && !entryExists(path + QStringLiteral("~part")), qPrintable(where));
            }
        }
    }

    // A scratch write takes the durable write's steps without its syncs, and a
    // program killed at any of them still leaves the old or the new file.
    void scratchWriteSkipsOnlyTheSyncs() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("7.$$$"));
        const QByteArray oldBytes(40, 'o');
        const QByteArray newBytes(40, 'n');
        QStringList durable, scratch;
        for (const Durability d : {Durability::Durable, Durability::Scratch}) {
            put(path, oldBytes);
            FailingFileSystem counting;
            QVERIFY(writeAtStart(path, newBytes, d));
            QCOMPARE(contentOf(path), newBytes);
            (d == Durability::Durable ? durable : scratch) = counting.steps();
        }
        QStringList withoutSyncs = durable;
        withoutSyncs.removeIf([](const QString& step) { return step.startsWith(QLatin1String("sync")); });
        QVERIFY(withoutSyncs.size() < durable.size());
        QCOMPARE(scratch, withoutSyncs);
        for (int step = 0; step < scratch.size(); ++step) {
            put(path, oldBytes);
            {
                FailingFileSystem killed(step, true);
                writeAtStart(path, newBytes, Durability::Scratch);
            }
            const QByteArray now = contentOf(path);
            QVERIFY2(now == oldBytes || now == newBytes, qPrintable(scratch.at(step)));
        }
    }

    void removeTreeRemovesLinksNotTheirTargets() {
        QTemporaryDir dir;
        put(dir.filePath(QStringLiteral("outside/keep.txt")), "keep");
        put(dir.filePath(QStringLiteral("tree/sub/a")), "a");
        ZORNA_LINK(dir.filePath(QStringLiteral("outside")), dir.filePath(QStringLiteral("tree/dirlink")));
        ZORNA_LINK(dir.filePath(QStringLiteral("outside/keep.txt")),
                   dir.filePath(QStringLiteral("tree/sub/filelink")));
        QVERIFY(removeTree(dir.filePath(QStringLiteral("tree"))));
        QVERIFY(!entryExists(dir.filePath(QStringLiteral("tree"))));
        QCOMPARE(contentOf(dir.filePath(QStringLiteral("outside/keep.txt"))), QByteArray("keep"));
    }

    // Emptying the working folder removes its files and the links in it as
    // links; a working folder that is itself a link is not emptied at all.
    void emptyingNeverGoesThroughALink() {
        QTemporaryDir dir;
        const QString outside = dir.filePath(QStringLiteral("outside"));
        put(outside + "/keep.txt", "keep");
        const QString temp = dir.filePath(QStringLiteral("Temp"));
        put(temp + "/2.$$$", "used");
        put(temp + "/sub/inner", "inner");
        ZORNA_LINK(outside, temp + "/dirlink");
        ZORNA_LINK(outside + "/keep.txt", temp + "/filelink");
        QVERIFY(removeFilesIn(temp));
        QCOMPARE(QDir(temp).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
                 QStringList{"sub"});
        QCOMPARE(contentOf(temp + "/sub/inner"), QByteArray("inner"));

        const QString linkedTemp = dir.filePath(QStringLiteral("Temp2"));
        ZORNA_LINK(outside, linkedTemp);
        QVERIFY(!removeFilesIn(linkedTemp));
        QCOMPARE(entryKind(linkedTemp), EntryKind::Link);
        QCOMPARE(contentOf(outside + "/keep.txt"), QByteArray("keep"));
        QVERIFY(removeFilesIn(dir.filePath(QStringLiteral("missing"))));
    }

    // A folder's own place taken by a link is no folder; moved aside (under a
    // name not taken yet) it keeps its target and makes room for a real folder.
    void linkIsNoFolderAndIsMovedAside() {
        QTemporaryDir dir;
        const QString outside = dir.filePath(QStringLiteral("outside"));
        put(outside + "/keep.txt", "keep");
        const QString save = dir.filePath(QStringLiteral("Save"));
        const QString aside = save + "~link-" + QDate::currentDate().toString(Qt::ISODate);
        for (const QString& expected : {aside, aside + "-2", aside + "-3"}) {
            ZORNA_LINK(outside, save);
            QVERIFY(!makeFolders(save));
            QCOMPARE(moveAside(save, save + "~link"), expected);
            QCOMPARE(entryKind(expected), EntryKind::Link);
        }
        QVERIFY(makeFolders(save));
        QCOMPARE(entryKind(save), EntryKind::Folder);
        QCOMPARE(QDir(outside).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"keep.txt"});
    }
};
ZORNA_TEST_CLASS(FileWritingTest)

// The games folder's Temp and Save are used only as real folders.
class GamesFoldersTest : public QObject {
    Q_OBJECT
private slots:
    // A link in their place is moved aside and a real folder made; a file
    // there is kept, and no folder is made.
    void linkInTheirPlaceIsMovedAside_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("link");
        QTest::newRow("Temp as a link") << "Temp" << true;
        QTest::newRow("Save as a link") << "Save" << true;
        QTest::newRow("temp as a link, in another letter case") << "temp" << true;
        QTest::newRow("Save as a file") << "Save" << false;
    }
    void linkInTheirPlaceIsMovedAside() {
        QFETCH(QString, name);
        QFETCH(bool, link);
        QTemporaryDir dir;
        const QString games = dir.filePath(QStringLiteral("games"));
        const QString outside = dir.filePath(QStringLiteral("outside"));
        put(outside + "/keep.txt", "keep");
        put(games + "/help.txt", "program");
        if (link)
            ZORNA_LINK(outside, games + "/" + name);
        else
            put(games + "/" + name, "a file");
        const ProgramFolder folder(games);
        QCOMPARE(folder.ensureFolder(name.toCaseFolded() == QLatin1String("temp") ? "Temp" : "Save"), link);
        if (link) {
            const QString aside = games + "/" + name + "~link-" + QDate::currentDate().toString(Qt::ISODate);
            QCOMPARE(entryKind(aside), EntryKind::Link);
            QCOMPARE(entryKind(folder.path(name)), EntryKind::Folder);
        } else {
            QCOMPARE(contentOf(games + "/" + name), QByteArray("a file"));
        }
        QVERIFY(removeFilesIn(folder.workingFolder()));
        QCOMPARE(contentOf(outside + "/keep.txt"), QByteArray("keep"));
        QVERIFY(folder.secureGamesFolders());
    }
};
ZORNA_TEST_CLASS(GamesFoldersTest)

class SingleInstanceTest : public QObject {
    Q_OBJECT
private slots:
    void secondCopyIsRefusedUntilTheFirstEnds() {
        QTemporaryDir dir;
        const QString working = dir.filePath(QStringLiteral("Temp"));
        auto first = std::make_unique<SingleInstance>(working);
        QVERIFY(first->isOnlyCopy());
        QVERIFY(!SingleInstance(working).isOnlyCopy());
        first.reset();
        QVERIFY(SingleInstance(working).isOnlyCopy());
    }

    // A link in the lock file's place is replaced, never written through, and
    // the lock made in its place still keeps a second copy out.
    void linkInPlaceOfTheLockIsReplaced() {
        QTemporaryDir dir;
        const QString working = dir.filePath(QStringLiteral("Temp"));
        const QString target = dir.filePath(QStringLiteral("elsewhere.txt"));
        put(target, "mine");
        ZORNA_LINK(target, SingleInstance::lockPath(working));
        auto first = std::make_unique<SingleInstance>(working);
        QVERIFY(first->isOnlyCopy());
        QVERIFY(!QFileInfo(SingleInstance::lockPath(working)).isSymLink());
        QVERIFY(!SingleInstance(working).isOnlyCopy());
        QCOMPARE(contentOf(target), QByteArray("mine"));
        first.reset();
        QVERIFY(SingleInstance(working).isOnlyCopy());
    }

    // Where no lock can be made, the copy is told so, not let run unchecked.
    void lockThatCannotBeMadeIsUnavailable_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("folder in its place") << "folder";
        QTest::newRow("FIFO in its place") << "fifo";
        QTest::newRow("games folder missing") << "missing";
    }
    void lockThatCannotBeMadeIsUnavailable() {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        QString working = dir.filePath(QStringLiteral("Temp"));
        if (kind == QLatin1String("folder"))
            QVERIFY(QDir().mkpath(SingleInstance::lockPath(working)));
        else if (kind == QLatin1String("fifo"))
            ZORNA_FIFO(SingleInstance::lockPath(working));
        else
            working = dir.filePath(QStringLiteral("not made yet/Temp"));
        const SingleInstance instance(working);
        QCOMPARE(instance.state(), SingleInstance::State::Unavailable);
        QVERIFY(!instance.isOnlyCopy());
        QCOMPARE(instance.path(), SingleInstance::lockPath(working));
    }
};
ZORNA_TEST_CLASS(SingleInstanceTest)

#include "file_system_test.moc"
