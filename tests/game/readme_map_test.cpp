// The map of the windows in the README agrees with the game: every square's
// window name, family and picture folder with the registered task windows,
// every class with the window the catalog opens, every file and test file with
// the source tree.
#include "support/test_context.h"
#include "support/test_registry.h"
#include "tasks/common/task_catalog.h"
#include "tasks/common/task_registry.h"
#include "tasks/common/task_window.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>

#include <set>

using namespace zorna;
using namespace zorna::test;

namespace {

// The cells of the README's table rows under the heading line `title`, without
// the header and separator rows.
QList<QStringList> tableRows(const QString& title) {
    QFile file(QStringLiteral(ZORNA_SOURCE_DIR "/README.md"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    QList<QStringList> rows;
    bool inside = false;
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1Char('#'))) {
            inside = line == title;
            continue;
        }
        if (!inside || !line.startsWith(QLatin1Char('|')))
            continue;
        QStringList cells = line.split(QLatin1Char('|'));
        cells = cells.mid(1, cells.size() - 2);
        for (QString& cell : cells) {
            cell = cell.trimmed();
            if (cell.size() >= 2 && cell.startsWith(QLatin1Char('`')) && cell.endsWith(QLatin1Char('`')))
                cell = cell.mid(1, cell.size() - 2);
        }
        const QString first = cells.value(0);
        if (first == QLatin1String("Square") || first == QLatin1String("Window") ||
            first.startsWith(QLatin1String("---")))
            continue; // header and separator
        rows.append(cells);
    }
    return rows;
}

QString sourceText(const QString& relative) {
    QFile file(QStringLiteral(ZORNA_SOURCE_DIR "/") + relative);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

bool declaresClass(const QString& relative, const QString& className) {
    return sourceText(relative).contains(
        QRegularExpression(QStringLiteral("\\bclass %1\\b").arg(QRegularExpression::escape(className))));
}

} // namespace

class ReadmeMapTest : public QObject {
    Q_OBJECT
private slots:
    void everySquareHasOneRow() {
        const QList<QStringList> rows = tableRows(QStringLiteral("## Map of the windows"));
        QCOMPARE(rows.size(), int(registeredTasks().size()));
        std::set<int> squares;
        for (const QStringList& row : rows) {
            QCOMPARE(row.size(), 8);
            bool ok = false;
            const int square = row[0].toInt(&ok);
            QVERIFY2(ok, qPrintable(row[0]));
            QVERIFY2(squares.insert(square).second, qPrintable(row[0]));
            QCOMPARE(row[1], row[0]); // square s opens task s
        }
        QCOMPARE(*squares.begin(), 1);
        QCOMPARE(*squares.rbegin(), 32);
    }

    void windowNamesAndPicturesMatchTheDispatchTable() {
        for (const QStringList& row : tableRows(QStringLiteral("## Map of the windows"))) {
            const TaskSquare* task = taskOfSquare(row[0].toInt());
            QVERIFY2(task, qPrintable(row[0]));
            QCOMPARE(row[2], task->windowName());
            // The class lies in the folder of the family it registers with,
            // and its .cpp holds the registration.
            const TaskEntry& entry = registeredTasks()[task->square - 1];
            QCOMPARE(row[4].section(QLatin1Char('/'), 0, 2),
                     QStringLiteral("src/tasks/") + QLatin1String(familyFolder(entry.family)));
            QString cpp = row[4];
            cpp.replace(QRegularExpression(QStringLiteral("\\.h$")), QStringLiteral(".cpp"));
            QVERIFY2(sourceText(cpp).contains(QStringLiteral("TaskRegistration")), qPrintable(cpp));
            const QString folder = QStringLiteral("kletka%1").arg(task->windowNumber);
            const bool drawn = QDir(QStringLiteral(ZORNA_APP_DIR "/") + folder).exists() == false;
            if (drawn) {
                QVERIFY2(row[5].startsWith(QStringLiteral("—")), qPrintable(row[0] + ": " + row[5]));
                QVERIFY2(row[7].startsWith(QStringLiteral("—")), qPrintable(row[0] + ": " + row[7]));
            } else {
                QCOMPARE(row[5], folder + QLatin1Char('/'));
                // The generator file is named after the window, in its class's family folder.
                const QString family = row[4].section(QLatin1Char('/'), 2, 2);
                QCOMPARE(row[7], QStringLiteral("tools/assets/%1/%2.cpp").arg(family, row[2].toLower()));
                QVERIFY2(QFileInfo::exists(QStringLiteral(ZORNA_SOURCE_DIR "/") + row[7]),
                         qPrintable(row[7]));
            }
        }
    }

    void classesAreTheWindowsTheCatalogOpens() {
        TestContext tc(buildTaskCatalog());
        FakeHost host;
        for (const QStringList& row : tableRows(QStringLiteral("## Map of the windows"))) {
            const int square = row[0].toInt();
            QPointer<TaskWindow> w = tc.catalog.open(square, tc.ctx, host);
            QVERIFY2(w, qPrintable(row[0]));
            QCOMPARE(QString::fromLatin1(w->metaObject()->className()), QStringLiteral("zorna::") + row[3]);
            QCOMPARE(w->objectName(), row[2]);
            delete w.data();
            settle();
        }
    }

    void filesDeclareTheirClassesAndTestsNameThem() {
        QList<QStringList> rows;
        for (const QStringList& row : tableRows(QStringLiteral("## Map of the windows")))
            rows.append({row[3], row[4], row[6]});
        const QList<QStringList> others = tableRows(QStringLiteral("### Windows outside the path"));
        for (const QStringList& row : others)
            rows.append({row.value(2), row.value(3), row.value(4)});
        QCOMPARE(others.size(), 4);
        for (const QStringList& row : rows) {
            QVERIFY2(declaresClass(row[1], row[0]), qPrintable(row[1] + ": " + row[0]));
            QString cpp = row[1];
            cpp.replace(QRegularExpression(QStringLiteral("\\.h$")), QStringLiteral(".cpp"));
            QVERIFY2(QFileInfo::exists(QStringLiteral(ZORNA_SOURCE_DIR "/") + cpp), qPrintable(cpp));
            QVERIFY2(sourceText(row[2]).contains(row[0]), qPrintable(row[2] + ": " + row[0]));
        }
    }
};

ZORNA_TEST_CLASS(ReadmeMapTest)

#include "readme_map_test.moc"
