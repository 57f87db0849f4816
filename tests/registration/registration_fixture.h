#pragma once

#include "registration/registration_window.h"
#include "support/test_context.h"

#include <QPointer>

namespace zorna::test {

// A registration window made for a test, with the board and the fresh window
// it may have made; all deleted at the end unless they closed.
struct RegistrationUnderTest {
    explicit RegistrationUnderTest(TestContext& tc) : w(RegistrationWindow::showFresh(tc.ctx, tc.catalog)) {}
    explicit RegistrationUnderTest(RegistrationWindow* window) : w(window) {}
    ~RegistrationUnderTest() {
        if (w && w->board())
            delete w->board();
        if (w && w->successor())
            delete w->successor();
        delete w.data();
        settle();
    }
    RegistrationWindow* operator->() const { return w; }
    QPointer<RegistrationWindow> w;
};

} // namespace zorna::test
