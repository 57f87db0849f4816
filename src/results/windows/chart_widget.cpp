#include "results/windows/chart_widget.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace zorna::results {

namespace {

// The chart keeps a margin of half a line from the widget's edges.
QRectF chartRect(const QWidget& widget) {
    const qreal margin = widget.fontMetrics().height() * 0.5;
    return QRectF(widget.rect()).adjusted(margin, margin, -margin, -margin);
}

} // namespace

ChartWidget::ChartWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

ChartWidget::~ChartWidget() = default;

void ChartWidget::setChart(std::unique_ptr<Chart> chart) {
    chart_ = std::move(chart);
    heightByWidth_.clear();
    updateGeometry();
    update();
}

bool ChartWidget::hasHeightForWidth() const {
    return chart_ != nullptr;
}

int ChartWidget::heightForWidth(int width) const {
    if (!chart_)
        return QWidget::heightForWidth(width);
    const auto known = heightByWidth_.find(width);
    if (known != heightByWidth_.end())
        return known->second;
    const int margin = fontMetrics().height();
    const int height = chart_->heightForWidth(std::max(1, width - margin), font()) + margin;
    if (heightByWidth_.size() >= 64) // a window resized by hand asks for every width
        heightByWidth_.clear();
    heightByWidth_.emplace(width, height);
    return height;
}

QSize ChartWidget::sizeHint() const {
    const int width = 480;
    return QSize(width, chart_ ? heightForWidth(width) : 200);
}

QSize ChartWidget::minimumSizeHint() const {
    return QSize(fontMetrics().height() * 12, fontMetrics().height() * 6);
}

bool ChartWidget::event(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        heightByWidth_.clear();
    if (event->type() == QEvent::ToolTip && chart_) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString tip = chart_->toolTipAt(help->pos(), chartRect(*this), font());
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), tip, this);
        return true;
    }
    return QWidget::event(event);
}

void ChartWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!chart_)
        return;
    painter.setFont(font());
    chart_->paint(painter, chartRect(*this));
}

} // namespace zorna::results
