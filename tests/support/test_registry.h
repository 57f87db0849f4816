#pragma once

#include <QObject>

#include <functional>

namespace zorna::test {

using TestFactory = std::function<QObject*()>;
bool registerTestClass(const char* name, TestFactory factory);

} // namespace zorna::test

// Registers a QtTest class with the folder's test executable.
#define ZORNA_TEST_CLASS(Class)                                                                              \
    static const bool Class##_registered = ::zorna::test::registerTestClass(#Class, [] { return new Class; });
