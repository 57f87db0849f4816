#include "support/tiny_disk.h"

#include <QFile>

#include <sys/mount.h>

namespace zorna::test {

TinyDisk::TinyDisk() {
    mounted = ::mount("tmpfs", QFile::encodeName(dir.path()).constData(), "tmpfs", 0, "size=256k") == 0;
}

TinyDisk::~TinyDisk() {
    if (mounted)
        ::umount2(QFile::encodeName(dir.path()).constData(), MNT_DETACH);
}

bool TinyDisk::fill() const {
    QFile f(dir.filePath(QStringLiteral("filler")));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray block(4096, 'f');
    while (f.write(block) == block.size()) {
    }
    return true;
}

} // namespace zorna::test
