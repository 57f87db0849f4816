#include "platform/single_instance.h"
#include "support/test_registry.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

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

#include "file_system_posix_test.moc"
