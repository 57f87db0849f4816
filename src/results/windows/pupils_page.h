#pragma once

#include "results/model/result_tables.h"
#include "results/model/results_model.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QTableView;

namespace zorna::results {

class ChartWidget;
class JournalSet;

// «Учні»: the list of pupils with a search box, and for the chosen one the
// charts by category and by week and the games played, newest first.
class PupilsPage : public QWidget {
    Q_OBJECT
public:
    explicit PupilsPage(QWidget* parent = nullptr);

    // Shows the pupils of the view; the pupil chosen before stays chosen when present.
    void showPupils(const ClassView& view, JournalSet* journals, const DateFilter& filter);
    // The chosen pupil's view, once one is chosen.
    const std::optional<PupilView>& pupil() const { return pupil_; }
    // Chooses a pupil by key (none when empty or absent).
    void choosePupil(const QString& key);

    // Names the task of a square in the list of tasks failed most.
    void setTaskNames(std::function<QString(int square)> taskName) { taskName_ = std::move(taskName); }

    QTableView* pupilTable() const { return pupils_; }
    QTableView* categoryTable() const { return categories_; }
    QTableView* failedTable() const { return failed_; }
    ChartWidget* monthView() const { return monthView_; }
    QTableView* gameTable() const { return games_; }
    QLineEdit* searchBox() const { return search_; }
    const PupilGamesModel& gameModel() const { return gameModel_; }
    ChartWidget* categoryView() const { return categoryView_; }
    ChartWidget* weekView() const { return weekView_; }

private:
    void chosenRowChanged();
    // Marks the pupil's row as current where the search shows it; the pupil's
    // index in the model (invalid when absent).
    QModelIndex selectRow(const QString& key);
    void showPupil();
    // The pupil's view in the journals and period shown, read once.
    PupilView viewOf(const QString& key);

    PupilListModel pupilModel_;
    PupilGamesModel gameModel_;
    PupilCategoriesModel categoryModel_;
    FailedTasksModel failedModel_;
    std::function<QString(int square)> taskName_;
    QLineEdit* search_;
    QTableView* pupils_;
    QLabel* title_;
    ChartWidget* categoryView_;
    ChartWidget* weekView_;
    QTableView* games_;
    QTableView* categories_;
    QTableView* failed_;
    ChartWidget* monthView_;
    JournalSet* journals_ = nullptr;
    DateFilter filter_;
    std::optional<PupilView> pupil_;
    // The pupils shown since the journals, the period or the class's names
    // last changed (showPupils), newest last: a teacher going back and forth
    // between pupils is not made to wait for their answers to be read again.
    std::vector<PupilView> shown_;
};

} // namespace zorna::results
