#include "platform/text_fit.h"

#include <QFontMetrics>

#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>

namespace zorna {

namespace {
constexpr double kStepPoints = 0.5;

bool lineFits(const QString& text, const QFont& font, QSize box) {
    const QFontMetrics metrics(font);
    return metrics.height() <= box.height() && metrics.horizontalAdvance(text) <= box.width();
}
} // namespace

void shrinkToFit(QLabel* label) {
    QFont font = label->font();
    const QRect box(0, 0, label->width(), 100000);
    while (font.pointSizeF() > kMinReadablePoints) {
        const QRect needed =
            QFontMetrics(font).boundingRect(box, Qt::TextWordWrap | Qt::AlignLeft, label->text());
        if (needed.height() <= label->height() && needed.width() <= label->width())
            break;
        font.setPointSizeF(std::max(kMinReadablePoints, font.pointSizeF() - kStepPoints));
    }
    label->setFont(font);
}

FittedLine fitLine(const QString& text, const QFont& font, QSize box) {
    QFont fitted = font;
    while (!lineFits(text, fitted, box) && fitted.pointSizeF() > kMinReadablePoints)
        fitted.setPointSizeF(std::max(kMinReadablePoints, fitted.pointSizeF() - kStepPoints));
    if (QFontMetrics(fitted).horizontalAdvance(text) <= box.width())
        return {fitted, text};
    return {fitted, QFontMetrics(fitted).elidedText(text, Qt::ElideRight, box.width())};
}

FitLabel::FitLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
}

FittedLine FitLabel::shownLine() const {
    return fitLine(text(), font(), contentsRect().size());
}

void FitLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
    drawFrame(&painter);
    const FittedLine line = shownLine();
    painter.setFont(line.font);
    style()->drawItemText(&painter, contentsRect(),
                          int(QStyle::visualAlignment(layoutDirection(), alignment())), palette(),
                          isEnabled(), line.text, foregroundRole());
}

} // namespace zorna
