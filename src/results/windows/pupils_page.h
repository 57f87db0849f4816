#pragma once

#include "results/model/results_model.h"

#include <QWidget>

#include <optional>

class QChartView;
class QLabel;
class QTableWidget;

namespace zorna::results {

class JournalSet;

// «Учні»: the list of pupils, and for the chosen one the charts by category and
// by week and the games played.
class PupilsPage : public QWidget {
    Q_OBJECT
public:
    explicit PupilsPage(QWidget* parent = nullptr);

    // Shows the pupils of the view; the pupil chosen before stays chosen when present.
    void showPupils(const ClassView& view, JournalSet* journals, const DateFilter& filter);
    // The chosen pupil's view, once one is chosen.
    const std::optional<PupilView>& pupil() const { return pupil_; }

    QTableWidget* pupilTable() const { return pupils_; }
    QTableWidget* gameTable() const { return games_; }
    QChartView* categoryView() const { return categoryView_; }
    QChartView* weekView() const { return weekView_; }

private:
    void choose(int row);
    void showPupil();

    QTableWidget* pupils_;
    QLabel* title_;
    QChartView* categoryView_;
    QChartView* weekView_;
    QTableWidget* games_;
    QStringList keys_; // by row of the pupil table
    JournalSet* journals_ = nullptr;
    DateFilter filter_;
    std::optional<PupilView> pupil_;
};

} // namespace zorna::results
