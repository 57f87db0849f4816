#include "support/tiny_disk.h"

namespace zorna::test {

// A small disk on Windows is a virtual disk that only an administrator can
// attach; the tests that fill one are skipped.
TinyDisk::TinyDisk() = default;

TinyDisk::~TinyDisk() = default;

bool TinyDisk::fill() const {
    return false;
}

} // namespace zorna::test
