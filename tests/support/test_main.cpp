// Runs every test class registered in this executable. A class name given as the
// first argument runs only that class (and fails when there is none of that
// name); the remaining arguments go to QtTest.
#include "platform/geometry.h"
#include "support/test_registry.h"

#include <QApplication>
#include <QTest>

#include <map>
#include <memory>

namespace zorna::test {

namespace {
std::map<std::string, TestFactory>& registry() {
    static std::map<std::string, TestFactory> r;
    return r;
}
} // namespace

bool registerTestClass(const char* name, TestFactory factory) {
    registry().emplace(name, std::move(factory));
    return true;
}

} // namespace zorna::test

namespace {

QStringList registeredNames() {
    QStringList names;
    for (const auto& entry : zorna::test::registry())
        names.append(QString::fromStdString(entry.first));
    return names;
}

// "--registered-classes A B ...": succeeds when exactly these classes are
// registered, so the build's list of test entries misses none.
int checkRegistered(QStringList expected) {
    QStringList actual = registeredNames();
    expected.sort();
    actual.sort();
    if (expected == actual)
        return 0;
    qWarning("registered test classes: %s\nexpected: %s", qPrintable(actual.join(QLatin1Char(' '))),
             qPrintable(expected.join(QLatin1Char(' '))));
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef Q_OS_WIN
    // Without a console (ctest's pipes, Wine) Qt sends its messages and
    // QtTest's log to the debugger only; this sends them to the output.
    qputenv("QT_FORCE_STDERR_LOGGING", "1");
#endif
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    zorna::registerGameFonts();
    QStringList args = QCoreApplication::arguments();
    if (args.size() > 1 && args[1] == QLatin1String("--registered-classes"))
        return checkRegistered(args.mid(2));
    QString only;
    if (args.size() > 1 && !args[1].startsWith(QLatin1Char('-'))) {
        only = args[1];
        args.removeAt(1);
        // A renamed or mistyped class must not pass by running nothing.
        if (!registeredNames().contains(only)) {
            qWarning("no test class %s here; the classes are: %s", qPrintable(only),
                     qPrintable(registeredNames().join(QLatin1Char(' '))));
            return 2;
        }
    }
    int failures = 0;
    for (const auto& [name, factory] : zorna::test::registry()) {
        if (!only.isEmpty() && only != QString::fromStdString(name))
            continue;
        std::unique_ptr<QObject> object(factory());
        failures += QTest::qExec(object.get(), args);
    }
    return failures == 0 ? 0 : 1;
}
