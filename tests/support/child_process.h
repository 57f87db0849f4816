#pragma once

#include <QTest>

// ThreadSanitizer (clang 14) stops with an internal check ("thr->slot" in
// ForkAfter) on the clone() through which QProcess starts a child, before the
// child runs. Tests that start a child process skip in that build; the gcc and
// the ASan builds run them.
#if defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define ZORNA_UNDER_TSAN 1
#endif
#endif

#ifdef ZORNA_UNDER_TSAN
#define ZORNA_NEEDS_CHILD_PROCESS() QSKIP("ThreadSanitizer cannot follow QProcess's clone()")
#else
#define ZORNA_NEEDS_CHILD_PROCESS()                                                                          \
    do {                                                                                                     \
    } while (false)
#endif
