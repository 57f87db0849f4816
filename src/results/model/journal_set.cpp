#include "results/model/journal_set.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <algorithm>

namespace zorna::results {

using journal::JournalReader;

JournalSet::JournalSet() = default;
JournalSet::~JournalSet() = default;

QString JournalSet::messageFor(JournalReader::Problem problem, const QString& path) {
    const QString file = QDir::toNativeSeparators(path);
    switch (problem) {
    case JournalReader::Problem::None:
        return QString();
    case JournalReader::Problem::Missing:
        return QStringLiteral("Файл «%1» не знайдено.").arg(file);
    case JournalReader::Problem::NotAJournal:
        return QStringLiteral("Файл «%1» не є журналом результатів Зорни.").arg(file);
    case JournalReader::Problem::Newer:
        return QStringLiteral(
                   "Журнал «%1» записала новіша версія Зорни: щоб його переглянути, оновіть програму.")
            .arg(file);
    case JournalReader::Problem::Damaged:
        return QStringLiteral("Журнал «%1» пошкоджено, його результати не показано.").arg(file);
    case JournalReader::Problem::Unreadable:
        return QStringLiteral("Файл «%1» не вдалося відкрити для читання.").arg(file);
    }
    return QString();
}

namespace {

// The key under which copies of one journal meet: its identity's id, or the
// file itself when the journal has none (an old journal without games).
QString identityKey(const JournalReader& reader) {
    return reader.identity().id.isEmpty()
               ? QStringLiteral("file:") + QFileInfo(reader.path()).canonicalFilePath()
               : reader.identity().id;
}

QString copyMessage(const QString& path, const QString& countedPath) {
    return QStringLiteral("Файл «%1» — копія журналу «%2», не враховано.")
        .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(countedPath));
}

} // namespace

void JournalSet::setAside(const QString& path, const JournalReader& counted) {
    setAside_.push_back({path, counted.path(), copyMessage(path, counted.path())});
}

const GameIndex& JournalSet::gameIndex(const JournalReader& reader) {
    std::unique_ptr<GameIndex>& index = gameIndexes_[&reader];
    if (!index)
        index = std::make_unique<GameIndex>(reader);
    return *index;
}

void JournalSet::forget(const JournalReader& reader) {
    gameIndexes_.erase(&reader);
}

void JournalSet::addFile(const QString& path, std::vector<SourceProblem>& found) {
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (!canonical.isEmpty() && openPaths_.contains(canonical))
        return;
    auto reader = std::make_unique<JournalReader>(path);
    if (reader->problem() != JournalReader::Problem::None) {
        found.push_back({path, messageFor(reader->problem(), path)});
        return;
    }
    openPaths_.append(canonical);
    const QString key = identityKey(*reader);
    const auto same = std::find_if(journals_.begin(), journals_.end(),
                                   [&](const auto& open) { return identityKey(*open) == key; });
    if (same == journals_.end()) {
        journals_.push_back(std::move(reader));
        return;
    }
    if (reader->rowCount() <= (*same)->rowCount()) {
        setAside(path, **same);
        return;
    }
    // The new copy holds more: it is read, and the one read so far (with the
    // copies set aside for it) now points at it.
    const QString previous = (*same)->path();
    for (SetAsideCopy& copy : setAside_)
        if (copy.countedPath == previous) {
            copy.countedPath = path;
            copy.message = copyMessage(copy.path, path);
        }
    setAside(previous, *reader);
    forget(**same);
    *same = std::move(reader);
}

void JournalSet::close(const QString& path) {
    const auto open = std::find_if(journals_.begin(), journals_.end(),
                                   [&](const auto& reader) { return reader->path() == path; });
    if (open == journals_.end())
        return;
    openPaths_.removeAll(QFileInfo(path).canonicalFilePath());
    for (const SetAsideCopy& copy : setAside_)
        if (copy.countedPath == path)
            openPaths_.removeAll(QFileInfo(copy.path).canonicalFilePath());
    std::erase_if(setAside_, [&](const SetAsideCopy& copy) { return copy.countedPath == path; });
    forget(**open);
    journals_.erase(open);
}

std::vector<SourceProblem> JournalSet::add(const QString& path) {
    std::vector<SourceProblem> found;
    if (QFileInfo(path).isDir()) {
        QStringList files;
        QDirIterator it(path, {QStringLiteral("*.sqlite")}, QDir::Files | QDir::Readable,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            if (!QFileInfo(file).fileName().contains(QLatin1String(".damaged-")))
                files.append(file);
        }
        files.sort();
        if (files.isEmpty())
            found.push_back({path, QStringLiteral("У теці «%1» немає журналів результатів Зорни.")
                                       .arg(QDir::toNativeSeparators(path))});
        for (const QString& file : files)
            addFile(file, found);
    } else {
        addFile(path, found);
    }
    problems_.insert(problems_.end(), found.begin(), found.end());
    return found;
}

void JournalSet::noteFailures() {
    for (auto it = journals_.begin(); it != journals_.end();) {
        if ((*it)->problem() == JournalReader::Problem::None) {
            ++it;
            continue;
        }
        problems_.push_back({(*it)->path(), messageFor((*it)->problem(), (*it)->path())});
        openPaths_.removeAll(QFileInfo((*it)->path()).canonicalFilePath());
        forget(**it);
        it = journals_.erase(it);
    }
}

} // namespace zorna::results
