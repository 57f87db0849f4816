#pragma once

#include <QByteArray>
#include <QString>
#include <QTest>

namespace zorna::test {

// Writes a file with the bytes, making its folders; a failure fails the test.
void put(const QString& path, const QByteArray& bytes);
// The file's bytes, or "<missing>" when it cannot be read.
QByteArray contentOf(const QString& path);

} // namespace zorna::test

// Compares the path of an entry found with the one expected. Windows matches
// names in any letter case itself, so there the name asked for is the entry
// too, whatever case the lookup returns.
#ifdef Q_OS_WIN
#define ZORNA_COMPARE_PATH(actual, expected)                                                                 \
    QCOMPARE(QString(actual).toCaseFolded(), QString(expected).toCaseFolded())
#else
#define ZORNA_COMPARE_PATH(actual, expected) QCOMPARE(actual, expected)
#endif
