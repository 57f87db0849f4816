#pragma once

#include "support/test_context.h"
#include "tasks/common/task_catalog.h"
#include "tasks/common/task_window.h"

#include <QString>

#include <memory>

namespace zorna::test {

// The window that a family's catalog opens for a square (null when it has
// none), with the context and board double it lives on; it stays open until
// the end of the test.
struct CatalogWindow {
    CatalogWindow(TaskFamily family, int square)
        : tc(buildTaskCatalog(family)), window(tc.catalog.open(square, tc.ctx, host)) {}
    ~CatalogWindow() {
        window.reset();
        settle();
    }
    CatalogWindow(const CatalogWindow&) = delete;
    CatalogWindow& operator=(const CatalogWindow&) = delete;

    QString className() const { return QString::fromLatin1(window->metaObject()->className()); }

    TestContext tc;
    FakeHost host;
    std::unique_ptr<TaskWindow> window;
};

} // namespace zorna::test
