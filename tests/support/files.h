#pragma once

#include <QByteArray>
#include <QString>

namespace zorna::test {

// Writes a file with the bytes, making its folders; a failure fails the test.
void put(const QString& path, const QByteArray& bytes);
// The file's bytes, or "<missing>" when it cannot be read.
QByteArray contentOf(const QString& path);

} // namespace zorna::test
