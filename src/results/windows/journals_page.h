#pragma once

#include "results/model/result_tables.h"

#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;
class QTableView;

namespace zorna::results {

class JournalSet;

// «Журнали»: the journals read (file, computer, answers, last answer) with
// «Закрити» for the one chosen, and below them the copies set aside and the
// files that could not be read.
class JournalsPage : public QWidget {
    Q_OBJECT
public:
    // `closeJournal` is called with the chosen journal's path.
    explicit JournalsPage(std::function<void(const QString&)> closeJournal, QWidget* parent = nullptr);

    void showJournals(const JournalSet& journals);

    QTableView* table() const { return table_; }
    QPushButton* closeButton() const { return close_; }
    // The copies set aside and the problems, as shown.
    QString notes() const;

private:
    std::function<void(const QString&)> closeJournal_;
    OpenJournalsModel model_;
    QTableView* table_;
    QPushButton* close_;
    QLabel* notes_;
};

} // namespace zorna::results
