#include "journal_generator.h"

#include "journal/journal_schema.h"
#include "journal/sqlite_file.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QUuid>

#include <random>

namespace bench {

namespace {

using zorna::journal::SqliteFile;

const QStringList kFirstNames = {
    QStringLiteral("Оля"),     QStringLiteral("Петро"), QStringLiteral("Ярина"),    QStringLiteral("Богдан"),
    QStringLiteral("Марія"),   QStringLiteral("Іван"),  QStringLiteral("Софія"),    QStringLiteral("Андрій"),
    QStringLiteral("Олена"),   QStringLiteral("Тарас"), QStringLiteral("Ірина"),    QStringLiteral("Максим"),
    QStringLiteral("Дарина"),  QStringLiteral("Назар"), QStringLiteral("Христина"), QStringLiteral("Євген"),
    QStringLiteral("Мар'яна"), QStringLiteral("Юрко"),  QStringLiteral("Злата"),    QStringLiteral("Ґаврило"),
};
const QStringList kInitials = {QStringLiteral("К."), QStringLiteral("Л."), QStringLiteral("М."),
                               QStringLiteral("Ш."), QStringLiteral("Є."), QStringLiteral("Б.")};

// The category each square's task counts in.
constexpr int kSquareCategory[32] = {1, 2, 3, 1, 2, 3, 5, 1, 4, 1, 2, 4, 6, 5, 4, 4,
                                     1, 3, 2, 4, 3, 2, 7, 3, 4, 5, 1, 7, 2, 6, 6, 7};

// Each computer's journal has an identity of its own, the same for a seed.
zorna::journal::JournalIdentity identityOf(int pc, const SchoolShape& shape) {
    static const QUuid space(QStringLiteral("{0d6c1f4e-8a2b-4e37-b1c5-7f9e2a3d4b60}"));
    const QString computer = QStringLiteral("pc%1").arg(pc + 1, 2, 10, QLatin1Char('0'));
    return {QUuid::createUuidV5(space, QStringLiteral("%1/%2").arg(shape.seed).arg(computer))
                .toString(QUuid::WithoutBraces),
            computer,
            QStringLiteral("pupil"),
            QStringLiteral("bench"),
            QDateTime(QDate(2022, 9, 1), QTime(8, 0)).toMSecsSinceEpoch(),
            false};
}

struct Pupil {
    QString name;
    double skill; // chance of a right answer at the start
};

class Writer {
public:
    explicit Writer(const QString& path) : file_(path, SqliteFile::Mode::ReadWrite) {}

    bool begin(const zorna::journal::JournalIdentity& identity) {
        QString error;
        // Written in one transaction, then the whole file stands alone (no log beside it).
        QSqlQuery pragma(file_.db());
        pragma.exec(QStringLiteral("PRAGMA journal_mode = DELETE"));
        pragma.finish();
        if (!zorna::journal::createSchema(file_.db(), identity, &error))
            return fail(error);
        for (auto [query, sql] :
             {std::pair{&game_, "INSERT INTO games(started_ms, restored_from) VALUES (?, ?)"},
              std::pair{&player_, "INSERT INTO players VALUES (?, ?, ?)"},
              std::pair{&answer_, "INSERT INTO answers(game_id, at_ms, player, name, square, "
                                  "task, category, correct, open_ms) VALUES (?,?,?,?,?,?,?,?,?)"},
              std::pair{&finish_, "INSERT INTO finishes(game_id, at_ms, player, place) "
                                  "VALUES (?, ?, ?, ?)"},
              std::pair{&save_, "INSERT INTO saves(game_id, at_ms, folder) VALUES (?, ?, ?)"}}) {
            *query = QSqlQuery(file_.db());
            if (!query->prepare(QString::fromLatin1(sql)))
                return fail(query->lastError().text());
        }
        return file_.db().transaction();
    }
    bool end() { return file_.db().commit(); }

    qint64 game(qint64 ms, const QString& restoredFrom, const QStringList& names) {
        run(game_, {ms, restoredFrom.isEmpty() ? QVariant() : QVariant(restoredFrom)});
        const qint64 id = game_.lastInsertId().toLongLong();
        for (int i = 0; i < names.size(); ++i)
            run(player_, {id, i + 1, names[i]});
        return id;
    }
    void answer(qint64 game, qint64 ms, int player, const QString& name, int square, bool right,
                qint64 openMs) {
        run(answer_,
            {game, ms, player, name, square, square, kSquareCategory[square - 1], right ? 1 : 0, openMs});
    }
    void finish(qint64 game, qint64 ms, int player, int place) { run(finish_, {game, ms, player, place}); }
    void save(qint64 game, qint64 ms, const QString& folder) { run(save_, {game, ms, folder}); }
    bool ok() const { return ok_; }

private:
    bool fail(const QString& error) {
        qWarning("journal generator: %s", qPrintable(error));
        ok_ = false;
        return false;
    }
    void run(QSqlQuery& query, std::initializer_list<QVariant> values) {
        int i = 0;
        for (const QVariant& value : values)
            query.bindValue(i++, value);
        if (!query.exec())
            fail(query.lastError().text());
    }

    SqliteFile file_;
    QSqlQuery game_, player_, answer_, finish_, save_;
    bool ok_ = true;
};

// The school days of a year from 1 September: weekdays only.
QList<QDate> schoolDays(int startYear, int count) {
    QList<QDate> days;
    for (QDate day(startYear, 9, 1); days.size() < count; day = day.addDays(1))
        if (day.dayOfWeek() <= 5)
            days.append(day);
    return days;
}

} // namespace

qint64 generateSchoolJournals(const QString& folder, const SchoolShape& shape) {
    std::mt19937 random(shape.seed);
    auto chance = [&](double p) { return std::uniform_real_distribution<double>(0, 1)(random) < p; };
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    // A class of 24 pupils for every three computers; the same pupils for all years.
    const int classes = std::max(1, shape.computers / 3);
    std::vector<std::vector<Pupil>> pupils{std::size_t(classes)};
    for (int c = 0; c < classes; ++c)
        for (int p = 0; p < 24; ++p)
            pupils[std::size_t(c)].push_back(
                {kFirstNames[(p + c * 7) % kFirstNames.size()] + QLatin1Char(' ') +
                     kInitials[(p / 4 + c) % kInitials.size()] + QString::number(c + 1),
                 0.45 + 0.03 * (p % 10)});
    qint64 written = 0;
    for (int pc = 0; pc < shape.computers; ++pc) {
        const QString dir = QStringLiteral("%1/pc%2").arg(folder).arg(pc + 1, 2, 10, QLatin1Char('0'));
        QDir().mkpath(dir);
        QFile::remove(dir + QStringLiteral("/results.sqlite"));
        Writer writer(dir + QStringLiteral("/results.sqlite"));
        if (!writer.begin(identityOf(pc, shape)))
            return -1;
        const std::vector<Pupil>& group = pupils[std::size_t(pc / 3 % classes)];
        qint64 savedGame = 0;
        int savedSlot = 0;
        QStringList savedNames;
        for (int year = 0; year < shape.years; ++year) {
            const QList<QDate> days = schoolDays(2022 + year, shape.daysPerYear);
            for (int d = 0; d < days.size(); ++d) {
                qint64 ms = QDateTime(days[d], QTime(9, 0)).toMSecsSinceEpoch();
                int rowsLeft = shape.rowsPerDay;
                while (rowsLeft > 0) {
                    QStringList names;
                    QString restoredFrom;
                    if (savedGame != 0 && chance(0.8)) {
                        names = savedNames;
                        restoredFrom = QString::number(savedSlot);
                    } else {
                        const int players = chance(0.6) ? 2 : 3;
                        while (names.size() < players) {
                            QString name = group[std::size_t(pick(int(group.size())))].name;
                            // Now and then typed differently.
                            if (chance(0.05))
                                name = name.toLower();
                            if (chance(0.03))
                                name += QLatin1Char(' ');
                            if (!names.contains(name))
                                names.append(name);
                        }
                    }
                    const qint64 game = writer.game(ms, restoredFrom, names);
                    savedGame = 0;
                    // Every task moves a chip on about one square: a game to the end is
                    // about 32 tasks a player.
                    const int planned = int(names.size()) * (26 + pick(7));
                    const int answers = std::min(rowsLeft, planned);
                    std::vector<int> squares(std::size_t(names.size()), 1);
                    for (int a = 0; a < answers; ++a) {
                        const int player = a % int(names.size());
                        const Pupil* pupil = nullptr;
                        for (const Pupil& p : group)
                            if (names[player].trimmed().compare(p.name, Qt::CaseInsensitive) == 0)
                                pupil = &p;
                        const double skill =
                            std::min(0.95, (pupil ? pupil->skill : 0.5) + 0.08 * year + 0.0004 * d);
                        const bool right = chance(skill);
                        const int openMs = 4000 + pick(40000);
                        ms += openMs + 3000;
                        int& square = squares[std::size_t(player)];
                        writer.answer(game, ms, player + 1, names[player], square, right, openMs);
                        square = std::min(32, square + 1);
                        ++written;
                    }
                    rowsLeft -= answers;
                    // A game cut short by the end of the lesson is saved half the time.
                    if (answers == planned) {
                        for (int p = 0; p < names.size(); ++p)
                            writer.finish(game, ms, p + 1, p + 1);
                    } else if (chance(0.5)) {
                        savedSlot = 1 + pick(5);
                        writer.save(game, ms, QString::number(savedSlot));
                        savedGame = game;
                        savedNames = names;
                    }
                    ms += 120'000;
                }
            }
        }
        if (!writer.ok() || !writer.end())
            return -1;
    }
    return written;
}

} // namespace bench
