#pragma once

// Links and other special entries of the file system, made the way each
// system allows (links_posix.cpp, links_win.cpp).

#include <QString>
#include <QTest>

namespace zorna::test {

enum class LinkResult { Made, Unsupported, Failed };

// Makes `name` a symbolic link to `target` (a file or a folder). On Windows
// this needs the right to make links (Developer Mode or an administrator);
// Wine 8 answers CreateSymbolicLinkW with success and makes nothing, which
// counts as Unsupported.
LinkResult makeLink(const QString& target, const QString& name);

// Makes a FIFO (a named pipe in the file system) of that name; false on
// Windows, which has none.
bool makeFifo(const QString& path);

// Puts the program's file or folder `from` at `to` for reading: a link on
// Linux; on Windows, where a link cannot be counted on, the folders are made
// and every file is hard-linked (copied on a file system without hard links).
bool shareForReading(const QString& from, const QString& to);

// Removes what shareForReading put at `path`, leaving the program's own files.
bool unshare(const QString& path);

} // namespace zorna::test

// Makes the FIFO or ends the test: skipped on Windows.
#define ZORNA_FIFO(path)                                                                                     \
    do {                                                                                                     \
        if (!zorna::test::makeFifo(path)) {                                                                  \
            QSKIP("this system has no FIFOs");                                                               \
        }                                                                                                    \
    } while (false)

// Makes the link or ends the test: skipped where the system makes no links.
#define ZORNA_LINK(target, name)                                                                             \
    do {                                                                                                     \
        switch (zorna::test::makeLink((target), (name))) {                                                   \
        case zorna::test::LinkResult::Made:                                                                  \
            break;                                                                                           \
        case zorna::test::LinkResult::Unsupported:                                                           \
            QSKIP("symbolic links cannot be made here");                                                     \
        case zorna::test::LinkResult::Failed:                                                                \
            QFAIL(qPrintable(QStringLiteral("link not made: ") + (name)));                                   \
        }                                                                                                    \
    } while (false)
