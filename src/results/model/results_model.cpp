#include "results/model/results_model.h"

#include "results/model/class_book.h"
#include "results/model/game_index.h"
#include "results/model/journal_set.h"
#include "results/model/pupil_names.h"

#include <QHash>

#include <algorithm>
#include <ctime>
#include <map>
#include <set>
#include <unordered_map>
#include <unordered_set>

namespace zorna::results {

using journal::AnswerRow;
using journal::CategoryCount;
using journal::GameRow;
using journal::JournalReader;
using journal::SaveRow;

namespace {

// The local day of a time stamp. The C library's conversion: QDateTime's costs
// several times as much, which a pupil's thousands of answers would feel.
QDate localDay(qint64 ms) {
    const std::time_t seconds = std::time_t(ms >= 0 ? ms / 1000 : (ms - 999) / 1000);
    std::tm local{};
#ifdef _WIN32
    if (localtime_s(&local, &seconds) != 0)
#else
    if (!localtime_r(&seconds, &local))
#endif
        return QDateTime::fromMSecsSinceEpoch(ms).date();
    return QDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

// Keys of the names seen, with the class's joined names followed, computed
// once per spelling.
class KeyCache {
public:
    explicit KeyCache(const std::map<QString, QString>& joinedNames) : joinedNames_(joinedNames) {}

    const QString& operator()(const QString& name) {
        auto it = keys_.find(name);
        if (it == keys_.end())
            it = keys_.insert(name, joinedKey(joinedNames_, pupilKey(name)));
        return *it;
    }

private:
    const std::map<QString, QString>& joinedNames_;
    QHash<QString, QString> keys_;
};

// The name shown for a pupil: of the spellings typed as the pupil's own key
// (not a name joined into it), the one with the most answers.
QString shownName(const std::map<QString, qint64>& spellings, const QString& key) {
    std::map<QString, qint64> own;
    for (const auto& [spelling, answers] : spellings)
        if (pupilKey(spelling) == key)
            own.emplace(spelling, answers);
    return preferredSpelling(own.empty() ? spellings : own);
}

bool startsWithin(const GameRow& game, const journal::TimeSpan& span) {
    return game.startedMs >= span.fromMs && game.startedMs < span.toMs;
}

} // namespace

journal::TimeSpan DateFilter::span() const {
    journal::TimeSpan span;
    if (from.isValid())
        span.fromMs = from.startOfDay().toMSecsSinceEpoch();
    if (to.isValid())
        span.toMs = to.addDays(1).startOfDay().toMSecsSinceEpoch();
    return span;
}

int percentRight(qint64 right, qint64 total) {
    return total > 0 ? int((right * 100 + total / 2) / total) : 0;
}

qint64 PupilRow::answered() const {
    qint64 sum = 0;
    for (const CategoryTally& t : categories)
        sum += t.total();
    return sum;
}

qint64 PupilRow::right() const {
    qint64 sum = 0;
    for (const CategoryTally& t : categories)
        sum += t.right;
    return sum;
}

std::vector<std::size_t> firstGameOf(const std::vector<GameRow>& games, const std::vector<SaveRow>& saves) {
    std::unordered_map<qint64, std::size_t> indexOf;
    for (std::size_t i = 0; i < games.size(); ++i)
        indexOf.emplace(games[i].id, i);
    // The saves into each folder, in the journal's order (by time): the save a
    // game was restored from is found by halving instead of reading them all.
    std::unordered_map<QString, std::vector<const SaveRow*>> savesInto;
    for (const SaveRow& save : saves)
        savesInto[save.folder].push_back(&save);
    for (auto& [folder, list] : savesInto)
        std::stable_sort(list.begin(), list.end(),
                         [](const SaveRow* a, const SaveRow* b) { return a->atMs < b->atMs; });
    std::vector<std::size_t> first(games.size());
    // Games in the order they started: a chain's earlier games come first.
    std::vector<std::size_t> order(games.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return games[a].startedMs < games[b].startedMs; });
    std::vector<bool> done(games.size(), false);
    for (const std::size_t i : order) {
        first[i] = i;
        const GameRow& game = games[i];
        const auto folder = game.restoredFrom.isEmpty() ? savesInto.end() : savesInto.find(game.restoredFrom);
        if (folder != savesInto.end()) {
            // The last save into the folder before the game started, by another game.
            const std::vector<const SaveRow*>& list = folder->second;
            auto it = std::upper_bound(list.begin(), list.end(), game.startedMs,
                                       [](qint64 ms, const SaveRow* save) { return ms < save->atMs; });
            while (it != list.begin() && (*std::prev(it))->gameId == game.id)
                --it;
            if (it != list.begin()) {
                const auto parent = indexOf.find((*std::prev(it))->gameId);
                if (parent != indexOf.end() && done[parent->second])
                    first[i] = first[parent->second];
            }
        }
        done[i] = true;
    }
    return first;
}

std::optional<double> median(std::vector<double> values) {
    if (values.empty())
        return std::nullopt;
    const std::size_t middle = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + std::ptrdiff_t(middle), values.end());
    const double upper = values[middle];
    if (values.size() % 2 == 1)
        return upper;
    const double lower = *std::max_element(values.begin(), values.begin() + std::ptrdiff_t(middle));
    return (lower + upper) / 2;
}

std::vector<TaskFailures> mostFailedTasks(const std::vector<AnswerRow>& answers, std::size_t limit) {
    std::map<std::pair<int, int>, TaskFailures> bySquare;
    for (const AnswerRow& answer : answers) {
        TaskFailures& task = bySquare[{answer.square, answer.task}];
        task.square = answer.square;
        task.task = answer.task;
        task.total += 1;
        task.wrong += answer.right ? 0 : 1;
    }
    std::vector<TaskFailures> failed;
    for (const auto& [key, task] : bySquare)
        if (task.wrong > 0)
            failed.push_back(task);
    std::stable_sort(failed.begin(), failed.end(), [](const TaskFailures& a, const TaskFailures& b) {
        if (a.wrong != b.wrong)
            return a.wrong > b.wrong;
        return a.wrong * b.total > b.wrong * a.total;
    });
    if (failed.size() > limit)
        failed.resize(limit);
    return failed;
}

std::vector<WeekShare> weeklyShares(const std::vector<std::pair<QDate, bool>>& answers) {
    std::map<QDate, WeekShare> weeks;
    for (const auto& [day, right] : answers) {
        const QDate monday = day.addDays(1 - day.dayOfWeek());
        WeekShare& week = weeks[monday];
        week.monday = monday;
        week.total += 1;
        week.right += right ? 1 : 0;
    }
    std::vector<WeekShare> out;
    out.reserve(weeks.size());
    for (const auto& [monday, week] : weeks)
        out.push_back(week);
    return out;
}

ClassView buildClassView(JournalSet& journals, const DateFilter& filter) {
    const journal::TimeSpan span = filter.span();
    struct Pupil {
        PupilRow row;
        std::map<QString, qint64> spellings;
        qint64 firstMs = std::numeric_limits<qint64>::max();
        qint64 lastMs = std::numeric_limits<qint64>::min();
    };
    std::unordered_map<QString, Pupil> pupils;
    KeyCache keyOf(journals.joinedNames());
    for (const auto& reader : journals.journals()) {
        for (const CategoryCount& count : reader->categoryCounts(span)) {
            Pupil& pupil = pupils[keyOf(count.name)];
            CategoryTally& tally = pupil.row.categories[std::size_t(count.category - 1)];
            (count.right ? tally.right : tally.wrong) += count.count;
            pupil.spellings[count.name] += count.count;
        }
        // A journal that failed part way shows nothing (see noteFailures).
        if (reader->problem() != JournalReader::Problem::None)
            continue;
        // Games played: a chain of saved and continued games counts where one of
        // its games began in the span or the pupil answered in it within the span.
        const std::vector<GameRow>& games = reader->games();
        const GameIndex& index = journals.gameIndex(*reader);
        std::set<std::pair<std::size_t, QString>> counted;
        const auto play = [&](std::size_t g, const QString& key, qint64 firstMs, qint64 lastMs) {
            const auto pupil = pupils.find(key);
            if (pupil == pupils.end())
                return;
            pupil->second.firstMs = std::min(pupil->second.firstMs, firstMs);
            pupil->second.lastMs = std::max(pupil->second.lastMs, lastMs);
            if (counted.emplace(index.firstOf[g], key).second)
                ++pupil->second.row.games;
        };
        for (std::size_t g = 0; g < games.size(); ++g)
            if (startsWithin(games[g], span))
                for (const QString& name : games[g].names)
                    play(g, keyOf(name), games[g].startedMs, games[g].startedMs);
        // Without bounds every game a pupil answered in is a game they played:
        // the answers need not be read through again.
        if (span == journal::TimeSpan())
            continue;
        for (const journal::GameAnswers& answered : reader->gamesAnswered(span)) {
            const auto game = index.indexOf.find(answered.gameId);
            if (game != index.indexOf.end())
                play(game->second, keyOf(answered.name), answered.firstMs, answered.lastMs);
        }
    }
    journals.noteFailures();
    ClassView view;
    view.period = filter;
    view.pupils.reserve(pupils.size());
    for (auto& [key, pupil] : pupils) {
        pupil.row.key = key;
        pupil.row.name = shownName(pupil.spellings, key);
        if (pupil.row.games > 0) {
            pupil.row.firstDay = localDay(pupil.firstMs);
            pupil.row.lastDay = localDay(pupil.lastMs);
        }
        view.pupils.push_back(std::move(pupil.row));
    }
    std::sort(view.pupils.begin(), view.pupils.end(), [](const PupilRow& a, const PupilRow& b) {
        return ukrainianLess(a.name, b.name) || (!ukrainianLess(b.name, a.name) && a.key < b.key);
    });
    return view;
}

PupilView buildPupilView(JournalSet& journals, const QString& key, const DateFilter& filter) {
    const journal::TimeSpan span = filter.span();
    PupilView view;
    view.key = key;
    view.period = filter;
    std::map<QString, qint64> spellings;
    std::vector<std::pair<qint64, PupilGame>> games; // by start time
    std::vector<AnswerRow> allAnswers;
    std::vector<QDate> answerDays; // the local day of each of allAnswers
    KeyCache keyOf(journals.joinedNames());
    for (const auto& reader : journals.journals()) {
        // The spellings of this pupil in this file, from its sums.
        QStringList names;
        for (const CategoryCount& count : reader->categoryCounts(span)) {
            if (keyOf(count.name) != key)
                continue;
            if (!names.contains(count.name))
                names.append(count.name);
            spellings[count.name] += count.count;
        }
        if (reader->problem() != JournalReader::Problem::None)
            continue;
        const GameIndex& index = journals.gameIndex(*reader);
        // The games the pupil played in this file, under any spelling.
        std::vector<std::size_t> pupilGames;
        for (auto it = index.gamesOf.cbegin(); it != index.gamesOf.cend(); ++it)
            if (keyOf(it.key()) == key)
                pupilGames.insert(pupilGames.end(), it.value().begin(), it.value().end());
        if (names.isEmpty() && pupilGames.empty())
            continue;
        std::sort(pupilGames.begin(), pupilGames.end());
        pupilGames.erase(std::unique(pupilGames.begin(), pupilGames.end()), pupilGames.end());
        const std::vector<AnswerRow> answers = reader->answersOf(names, span);
        if (reader->problem() != JournalReader::Problem::None)
            continue;
        const std::vector<GameRow>& rows = reader->games();
        // Chains with a game begun in the span or an answer of the pupil in it.
        std::unordered_set<std::size_t> within;
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (startsWithin(rows[i], span))
                within.insert(index.firstOf[i]);
        for (const AnswerRow& answer : answers) {
            const auto game = index.indexOf.find(answer.gameId);
            if (game != index.indexOf.end())
                within.insert(index.firstOf[game->second]);
        }
        std::map<std::size_t, PupilGame> played; // chain's first game -> the game
        for (const std::size_t i : pupilGames) {
            const std::size_t first = index.firstOf[i];
            if (!within.contains(first))
                continue;
            for (int p = 0; p < rows[i].names.size(); ++p) {
                if (keyOf(rows[i].names[p]) != key)
                    continue;
                PupilGame& game = played[first];
                game.started = QDateTime::fromMSecsSinceEpoch(rows[first].startedMs);
                QStringList partners;
                for (const QString& other : rows[i].names)
                    if (keyOf(other) != key)
                        partners.append(other.trimmed());
                game.partners = partners;
                const auto place = rows[i].places.find(p + 1);
                if (place != rows[i].places.end())
                    game.place = place->second;
            }
        }
        allAnswers.insert(allAnswers.end(), answers.begin(), answers.end());
        for (const AnswerRow& answer : answers) {
            CategoryTally& tally = view.categories[std::size_t(answer.category - 1)];
            (answer.right ? tally.right : tally.wrong) += 1;
            answerDays.push_back(localDay(answer.atMs));
            const auto game = index.indexOf.find(answer.gameId);
            if (game == index.indexOf.end())
                continue;
            const auto entry = played.find(index.firstOf[game->second]);
            if (entry == played.end())
                continue;
            entry->second.answered += 1;
            entry->second.right += answer.right ? 1 : 0;
        }
        for (auto& [first, game] : played)
            games.emplace_back(rows[first].startedMs, std::move(game));
    }
    journals.noteFailures();
    view.name = shownName(spellings, key);
    std::vector<std::pair<QDate, bool>> days;
    days.reserve(allAnswers.size());
    for (std::size_t i = 0; i < allAnswers.size(); ++i)
        days.emplace_back(answerDays[i], allAnswers[i].right);
    view.weeks = weeklyShares(days);
    std::array<std::vector<double>, journal::kCategoryCount> seconds;
    std::array<std::map<QDate, MonthTally>, journal::kCategoryCount> months;
    for (std::size_t i = 0; i < allAnswers.size(); ++i) {
        const AnswerRow& answer = allAnswers[i];
        const std::size_t c = std::size_t(answer.category - 1);
        if (answer.openMs > 0)
            seconds[c].push_back(double(answer.openMs) / 1000);
        const QDate& day = answerDays[i];
        MonthTally& month = months[c][QDate(day.year(), day.month(), 1)];
        month.month = QDate(day.year(), day.month(), 1);
        month.total += 1;
        month.right += answer.right ? 1 : 0;
    }
    for (std::size_t c = 0; c < std::size_t(journal::kCategoryCount); ++c) {
        view.medianSeconds[c] = median(std::move(seconds[c]));
        for (const auto& [first, month] : months[c])
            view.months[c].push_back(month);
    }
    view.mostFailed = mostFailedTasks(allAnswers, kMostFailedTasks);
    std::stable_sort(games.begin(), games.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (auto& [ms, game] : games)
        view.games.push_back(std::move(game));
    return view;
}

} // namespace zorna::results
