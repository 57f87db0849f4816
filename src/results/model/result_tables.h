#pragma once

#include "results/model/results_model.h"

#include <QAbstractTableModel>
#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

namespace zorna::results {

// The role that holds a cell's value for sorting: a number, a date or the name.
inline constexpr int kSortRole = Qt::UserRole;

// A column of a results table: its title, the whole title for a tooltip where
// the title is shortened, the cell's text and its value for sorting. The text
// is what the screen, the CSV and the PDF all show.
template <typename Row> struct ResultColumn {
    QString title;
    QString wholeTitle;
    std::function<QString(const Row&)> text;
    std::function<QVariant(const Row&)> sortValue;
    bool isName = false; // left-aligned text rather than a centred number
};

// A read-only table of rows described by a table of columns.
template <typename Row> class ResultTableModel : public QAbstractTableModel {
public:
    explicit ResultTableModel(std::vector<ResultColumn<Row>> columns) : columns_(std::move(columns)) {}

    void setRows(std::vector<Row> rows) {
        beginResetModel();
        rows_ = std::move(rows);
        endResetModel();
    }
    const std::vector<Row>& rows() const { return rows_; }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : int(rows_.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : int(columns_.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= int(rows_.size()) || index.column() >= int(columns_.size()))
            return {};
        const Row& row = rows_[std::size_t(index.row())];
        const ResultColumn<Row>& column = columns_[std::size_t(index.column())];
        switch (role) {
        case Qt::DisplayRole:
            return column.text(row);
        case Qt::ToolTipRole:
            return column.isName ? QVariant(column.text(row)) : QVariant();
        case kSortRole:
            return column.sortValue ? column.sortValue(row) : QVariant(column.text(row));
        case Qt::TextAlignmentRole:
            return column.isName ? int(Qt::AlignLeft | Qt::AlignVCenter) : int(Qt::AlignCenter);
        default:
            return {};
        }
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || section < 0 || section >= int(columns_.size()))
            return {};
        const ResultColumn<Row>& column = columns_[std::size_t(section)];
        if (role == Qt::DisplayRole)
            return column.title;
        if (role == Qt::ToolTipRole)
            return column.wholeTitle.isEmpty() ? column.title : column.wholeTitle;
        return {};
    }

private:
    std::vector<ResultColumn<Row>> columns_;
    std::vector<Row> rows_;
};

// A category's answers as one row of a pupil's category table.
struct CategoryRow {
    int category = 0;
    CategoryTally tally;
    std::optional<double> medianSeconds;
};

// A task answered wrong, with the task's name.
struct FailedTaskRow {
    TaskFailures failures;
    QString name;
};

// The pupil list: name, games, tasks, right, share right.
class PupilListModel : public ResultTableModel<PupilRow> {
public:
    PupilListModel();
};

// The class table: the pupil list's columns, the first and last day, and per
// category the tasks, the right ones and the share.
class ClassTableModel : public ResultTableModel<PupilRow> {
public:
    ClassTableModel();
};

// A pupil's games, newest first: date and time, partners, place, tasks, right, share.
class PupilGamesModel : public ResultTableModel<PupilGame> {
public:
    PupilGamesModel();
    // Sets the pupil's games in the model's order (newest first).
    void setGames(const std::vector<PupilGame>& games);
};

// A pupil's answers per category: tasks, right, share, median time per task.
class PupilCategoriesModel : public ResultTableModel<CategoryRow> {
public:
    PupilCategoriesModel();
    void setPupil(const PupilView& pupil);
};

// The tasks a pupil answered wrong most often: square, name, wrong, answers.
class FailedTasksModel : public ResultTableModel<FailedTaskRow> {
public:
    FailedTasksModel();
    // `taskName` names the task of a square (the game's caption).
    void setPupil(const PupilView& pupil, const std::function<QString(int square)>& taskName);
};

// An open journal as the list of journals shows it.
struct OpenJournalRow {
    QString path;
    QString computer;
    qint64 answers = 0;
    QDateTime lastAnswer; // invalid without answers
};

// The journals read: file, computer, answers, last answer.
class OpenJournalsModel : public ResultTableModel<OpenJournalRow> {
public:
    OpenJournalsModel();
};

// A date and time as every table shows it.
QString dateTimeText(const QDateTime& when);
QString dayText(const QDate& day);

// A model's header and rows as CSV lines (the texts shown).
QString tableCsv(const QAbstractItemModel& model);
// A model as an HTML table for the PDF (texts escaped): every column, or the
// columns listed.
QString tableHtml(const QAbstractItemModel& model, const QList<int>& columns = {});

} // namespace zorna::results
