#pragma once

#include <QTemporaryDir>

namespace zorna::test {

// A tiny file system of its own (256 KB) for the test's life, to fill up; on
// Linux a tmpfs mounted on a temporary folder (needs the right to mount),
// elsewhere none: tests skip when `mounted` is false.
struct TinyDisk {
    TinyDisk();
    ~TinyDisk();
    TinyDisk(const TinyDisk&) = delete;
    TinyDisk& operator=(const TinyDisk&) = delete;

    // Fills what is left with one file; true when the disk is full afterwards.
    bool fill() const;

    QTemporaryDir dir;
    bool mounted = false;
};

} // namespace zorna::test
