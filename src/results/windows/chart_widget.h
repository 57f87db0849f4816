#pragma once

#include "results/windows/chart_painter.h"

#include <QWidget>

#include <map>
#include <memory>

namespace zorna::results {

// Shows one chart at the widget's width in the widget's font, with a tooltip
// for the bar or point under the mouse. Its height follows the chart's height
// for the width (put it in a scroll area for long charts); a line over time
// fills whatever height the layout gives it.
class ChartWidget : public QWidget {
    Q_OBJECT
public:
    explicit ChartWidget(QWidget* parent = nullptr);
    ~ChartWidget() override;

    void setChart(std::unique_ptr<Chart> chart);
    const Chart* chart() const { return chart_.get(); }

    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<Chart> chart_;
    // Layouts ask the height for a few widths many times over, and a long
    // chart's layout is costly: the heights worked out for the chart and font
    // shown, by width.
    mutable std::map<int, int> heightByWidth_;
};

} // namespace zorna::results
