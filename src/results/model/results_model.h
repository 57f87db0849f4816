#pragma once

#include "journal/categories.h"
#include "journal/journal_reader.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace zorna::results {

class JournalSet;

// Days from `from` to `to`, both included; an invalid date leaves that end open.
struct DateFilter {
    QDate from;
    QDate to;
    bool operator==(const DateFilter&) const = default;
    journal::TimeSpan span() const;
};

struct CategoryTally {
    qint64 right = 0;
    qint64 wrong = 0;
    qint64 total() const { return right + wrong; }
    bool operator==(const CategoryTally&) const = default;
};
// By category 1..7 at index 0..6.
using CategoryTallies = std::array<CategoryTally, journal::kCategoryCount>;

// Right answers in percent of all, rounded; 0 without answers.
int percentRight(qint64 right, qint64 total);

// One pupil in the pupil list and the class view.
struct PupilRow {
    QString key;
    QString name;
    int games = 0;
    CategoryTallies categories{};
    // The days of the first and the last game the pupil played.
    QDate firstDay;
    QDate lastDay;
    qint64 answered() const;
    qint64 right() const;
};

struct ClassView {
    DateFilter period;
    std::vector<PupilRow> pupils; // in Ukrainian alphabetical order
};

struct WeekShare {
    QDate monday;
    qint64 right = 0;
    qint64 total = 0;
    bool operator==(const WeekShare&) const = default;
};

// A game as a pupil played it: a game saved and continued later is one game.
struct PupilGame {
    QDateTime started;
    QStringList partners; // the other players' names as typed in that game
    std::optional<int> place;
    qint64 answered = 0;
    qint64 right = 0;
};

// A task the pupil answered wrong, with how often.
struct TaskFailures {
    int square = 0;
    int task = 0;
    qint64 wrong = 0;
    qint64 total = 0;
    bool operator==(const TaskFailures&) const = default;
};

// One category's answers in one month (its first day).
struct MonthTally {
    QDate month;
    qint64 right = 0;
    qint64 total = 0;
    bool operator==(const MonthTally&) const = default;
};

struct PupilView {
    DateFilter period;
    QString key;
    QString name;
    CategoryTallies categories{};
    std::vector<WeekShare> weeks; // weeks with answers, in order
    std::vector<PupilGame> games; // in order of their start
    // Median seconds a task window of each category was open (none where no
    // open time was recorded).
    std::array<std::optional<double>, journal::kCategoryCount> medianSeconds{};
    // The tasks answered wrong most often (at most kMostFailedTasks).
    std::vector<TaskFailures> mostFailed;
    // Each category's answers by month, months in order (index category - 1).
    std::array<std::vector<MonthTally>, journal::kCategoryCount> months{};
};

inline constexpr std::size_t kMostFailedTasks = 5;

// The median of the values (the mean of the middle two for an even count); none when empty.
std::optional<double> median(std::vector<double> values);
// The tasks answered wrong at least once, most wrong first (then the larger
// share wrong, then the lower square), at most `limit`.
std::vector<TaskFailures> mostFailedTasks(const std::vector<journal::AnswerRow>& answers, std::size_t limit);

// Every pupil of every journal with answers in the days of the filter.
ClassView buildClassView(JournalSet& journals, const DateFilter& filter);
// One pupil (by key) in the days of the filter.
PupilView buildPupilView(JournalSet& journals, const QString& key, const DateFilter& filter);

// The answers of one pupil summed per week (Monday to Sunday, local time).
std::vector<WeekShare> weeklyShares(const std::vector<std::pair<QDate, bool>>& answers);

// For each game of a journal (by index in games), the index of the game that
// began it: a restored game continues the game that last saved into the folder
// it was restored from, before it started.
std::vector<std::size_t> firstGameOf(const std::vector<journal::GameRow>& games,
                                     const std::vector<journal::SaveRow>& saves);

} // namespace zorna::results
