#include "registration/reestr.h"

namespace zorna {

Reestr::Reestr(AppContext& ctx) : ctx_(ctx) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Реєстрація"));
}

Reestr* Reestr::showFresh(AppContext& ctx) {
    auto* w = new Reestr(ctx);
    w->show();
    return w;
}

} // namespace zorna
