#include "fuzz_input.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace zorna::fuzz {

const QString& scratchFolder() {
    static QTemporaryDir dir;
    static const QString path = dir.path();
    if (!dir.isValid()) {
        std::fprintf(stderr, "cannot create a scratch folder\n");
        std::abort();
    }
    return path;
}

QString writeScratchFile(const QString& name, const std::uint8_t* data, std::size_t size) {
    const QString path = QDir(scratchFolder()).filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::abort();
    }
    return path;
}

void expect(bool condition, const char* what) {
    if (condition)
        return;
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

} // namespace zorna::fuzz
