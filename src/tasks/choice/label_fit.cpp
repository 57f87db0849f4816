#include "tasks/choice/label_fit.h"

#include <QFontMetrics>
#include <QLabel>

namespace zorna {

void shrinkToFit(QLabel* label) {
    QFont font = label->font();
    const QRect box(0, 0, label->width(), 100000);
    while (font.pointSizeF() > 8) {
        const QRect needed =
            QFontMetrics(font).boundingRect(box, Qt::TextWordWrap | Qt::AlignLeft, label->text());
        if (needed.height() <= label->height() && needed.width() <= label->width())
            break;
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    label->setFont(font);
}

} // namespace zorna
