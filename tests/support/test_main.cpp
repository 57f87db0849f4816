// Runs every test class registered in this executable. A class name given as the
// first argument runs only that class; the remaining arguments go to QtTest.
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

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    zorna::registerGameFonts();
    QStringList args = QCoreApplication::arguments();
    QString only;
    if (args.size() > 1 && !args[1].startsWith(QLatin1Char('-'))) {
        only = args[1];
        args.removeAt(1);
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
