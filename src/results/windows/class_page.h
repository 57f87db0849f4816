#pragma once

#include "results/model/results_model.h"

#include <QWidget>

class QChartView;
class QTableWidget;

namespace zorna::results {

// «Клас»: every pupil side by side by category, as a table coloured by the
// share right and as a chart.
class ClassPage : public QWidget {
    Q_OBJECT
public:
    explicit ClassPage(QWidget* parent = nullptr);
    void showClass(const ClassView& view);

    QTableWidget* table() const { return table_; }
    QChartView* chartView() const { return chartView_; }

private:
    QTableWidget* table_;
    QChartView* chartView_;
};

} // namespace zorna::results
