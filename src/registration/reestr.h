#pragma once

#include "platform/app_context.h"

#include <QWidget>

namespace zorna {

// Registration window (placeholder until the real window lands).
class Reestr : public QWidget {
    Q_OBJECT
public:
    explicit Reestr(AppContext& ctx);
    // Creates and shows a fresh registration window.
    static Reestr* showFresh(AppContext& ctx);

private:
    AppContext& ctx_;
};

} // namespace zorna
