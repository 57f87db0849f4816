#pragma once

#include "results/model/result_tables.h"
#include "results/model/results_model.h"

#include <QWidget>

class QTableView;

namespace zorna::results {

class ChartWidget;

// «Клас»: every pupil side by side by category, as a table coloured by the
// share right and as a chart.
class ClassPage : public QWidget {
    Q_OBJECT
public:
    explicit ClassPage(QWidget* parent = nullptr);
    void showClass(const ClassView& view);

    QTableView* table() const { return table_; }
    const ClassTableModel& model() const { return model_; }
    ChartWidget* chartView() const { return chartView_; }

private:
    ClassTableModel model_;
    QTableView* table_;
    ChartWidget* chartView_;
};

} // namespace zorna::results
