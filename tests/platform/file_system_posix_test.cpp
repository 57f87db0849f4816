#include "platform/file_system.h"
#include "platform/single_instance.h"
#include "support/files.h"
#include "support/test_registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace zorna;

// The lock on Linux, with a child process that ends without releasing it.
class SingleInstanceCrashTest : public QObject {
    Q_OBJECT
private slots:
    void lockOfACrashedCopyDoesNotBlock() {
        QTemporaryDir dir;
        const QString working = dir.filePath(QStringLiteral("Temp"));
        const pid_t child = ::fork();
        if (child == 0) {
            // Takes the lock and ends without releasing it, as a crash would.
            SingleInstance crashed(working);
            ::_exit(crashed.isOnlyCopy() ? 0 : 1);
        }
        QVERIFY(child > 0);
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0);
        QVERIFY(QFileInfo::exists(SingleInstance::lockPath(working)));
        QVERIFY(SingleInstance(working).isOnlyCopy());
    }
};
ZORNA_TEST_CLASS(SingleInstanceCrashTest)

namespace {

// Makes an entry whose Linux name is the bytes given (not UTF-8 text).
bool makeRaw(const QString& folder, const QByteArray& name, bool asFolder) {
    const QByteArray path = QFile::encodeName(folder) + '/' + name;
    if (asFolder)
        return ::mkdir(path.constData(), 0777) == 0;
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL, 0666);
    return fd >= 0 && ::close(fd) == 0;
}

} // namespace

// Names that are bytes, not text, and locks the system will not let change.
class FileNameBytesTest : public QObject {
    Q_OBJECT
private slots:
    // A game folder holding "date\xff.dat" is removed whole, and the listing
    // says which names cannot be used as text.
    void namesThatAreNotTextAreListedAndRemoved() {
        QTemporaryDir dir;
        const QString game = dir.filePath(QStringLiteral("Save/1"));
        zorna::test::put(game + "/date.dat", "d");
        QVERIFY(makeRaw(game, "date\xff.dat", false));
        QVERIFY(makeRaw(game, "\xc3\x28 sub", true));
        const QList<FolderEntry> entries = entriesOf(game);
        QCOMPARE(entries.size(), 3);
        int unreadable = 0;
        for (const FolderEntry& entry : entries)
            unreadable += entry.nameReadable ? 0 : 1;
        QCOMPARE(unreadable, 2);
        QCOMPARE(filesIn(game), QStringList{"date.dat"});
        QVERIFY(removeTree(game));
        QCOMPARE(entryKind(game), EntryKind::Missing);
    }

    // Another process swaps a folder of the tree for a link to a folder outside
    // while the tree is being removed, at a different moment each round: the
    // removal, relative to the folders it opened, removes the link or the
    // real folder, never what the link leads to.
    void folderSwappedForALinkMidWayIsNeverFollowed() {
        QTemporaryDir dir;
        const QString outside = dir.filePath(QStringLiteral("outside"));
        for (int i = 0; i < 40; ++i)
            zorna::test::put(outside + QStringLiteral("/f%1").arg(i), "keep"); // the names inside the tree
        const QString tree = dir.filePath(QStringLiteral("tree"));
        const QByteArray sub = QFile::encodeName(tree + "/sub");
        const QByteArray held = QFile::encodeName(dir.filePath(QStringLiteral("held")));
        for (int round = 0; round < 150; ++round) {
            for (int i = 0; i < 40; ++i)
                zorna::test::put(tree + QStringLiteral("/sub/f%1").arg(i), "f");
            int ready[2];
            QCOMPARE(::pipe(ready), 0);
            const pid_t child = ::fork();
            if (child == 0) {
                // Says it runs, waits a different number of steps each round, then swaps.
                const bool told = ::write(ready[1], "r", 1) == 1;
                for (volatile int spin = 0; spin < round * 2000; spin = spin + 1) {
                }
                const bool swapped = ::rename(sub.constData(), held.constData()) == 0 &&
                                     ::symlink(QFile::encodeName(outside).constData(), sub.constData()) == 0;
                ::_exit(told && swapped ? 0 : 1);
            }
            QVERIFY(child > 0);
            char byte = 0;
            QCOMPARE(::read(ready[0], &byte, 1), ssize_t(1));
            ::close(ready[0]);
            ::close(ready[1]);
            removeTree(tree);
            int status = 0;
            QCOMPARE(::waitpid(child, &status, 0), child);
            QVERIFY(removeTree(tree));
            QVERIFY(removeTree(QFile::decodeName(held)));
            QCOMPARE(QDir(outside).entryList(QDir::Files).size(), 40);
        }
    }

    // An immutable lock file cannot be locked for writing: the copy is told so.
    void immutableLockIsUnavailable() {
        QTemporaryDir dir;
        const QString working = dir.filePath(QStringLiteral("Temp"));
        zorna::test::put(SingleInstance::lockPath(working), QByteArray());
        const int fd = ::open(QFile::encodeName(SingleInstance::lockPath(working)).constData(), O_RDONLY);
        QVERIFY(fd >= 0);
        int flags = 0;
        const bool immutable = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 &&
                               (flags |= FS_IMMUTABLE_FL, ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0);
        if (!immutable) {
            ::close(fd);
            QSKIP("this file system or user cannot make a file immutable");
        }
        const SingleInstance::State state = SingleInstance(working).state();
        flags &= ~FS_IMMUTABLE_FL;
        ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
        ::close(fd);
        QCOMPARE(state, SingleInstance::State::Unavailable);
    }
};
ZORNA_TEST_CLASS(FileNameBytesTest)

#include "file_system_posix_test.moc"
