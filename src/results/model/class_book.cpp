#include "results/model/class_book.h"

#include "platform/file_system.h"
#include "results/model/pupil_names.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

#include <set>

namespace zorna::results {

namespace {

constexpr qint64 kMaxSettingsBytes = 4 * 1024 * 1024;

bool sameClassName(const QString& a, const QString& b) {
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

} // namespace

QString joinedKey(const std::map<QString, QString>& joinedNames, const QString& key) {
    QString current = key;
    // Bounded: the book refuses cycles, but a hand-edited file could hold one.
    for (std::size_t step = 0; step <= joinedNames.size(); ++step) {
        const auto next = joinedNames.find(current);
        if (next == joinedNames.end())
            return current;
        current = next->second;
    }
    return key;
}

QByteArray ClassBook::toJson() const {
    QJsonArray classes;
    for (const SchoolClass& schoolClass : classes_) {
        QJsonObject joins;
        for (const auto& [from, into] : schoolClass.joinedNames)
            joins.insert(from, into);
        classes.append(
            QJsonObject{{QStringLiteral("name"), schoolClass.name},
                        {QStringLiteral("sources"), QJsonArray::fromStringList(schoolClass.sources)},
                        {QStringLiteral("joinedNames"), joins}});
    }
    return QJsonDocument(
               QJsonObject{{QStringLiteral("classes"), classes}, {QStringLiteral("lastClass"), lastClass_}})
        .toJson();
}

std::optional<ClassBook> ClassBook::fromJson(const QByteArray& json) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    ClassBook book;
    const QJsonObject root = document.object();
    book.lastClass_ = root.value(QStringLiteral("lastClass")).toString();
    for (const QJsonValue& value : root.value(QStringLiteral("classes")).toArray()) {
        const QJsonObject object = value.toObject();
        SchoolClass schoolClass;
        schoolClass.name = object.value(QStringLiteral("name")).toString().trimmed();
        if (schoolClass.name.isEmpty() || book.find(schoolClass.name))
            continue;
        for (const QJsonValue& source : object.value(QStringLiteral("sources")).toArray())
            if (source.isString() && !source.toString().isEmpty())
                schoolClass.sources.append(source.toString());
        const QJsonObject joins = object.value(QStringLiteral("joinedNames")).toObject();
        for (auto it = joins.begin(); it != joins.end(); ++it)
            if (it.value().isString())
                schoolClass.joinedNames[it.key()] = it.value().toString();
        book.classes_.push_back(std::move(schoolClass));
    }
    return book;
}

ClassBook ClassBook::load(const QString& path) {
    const std::optional<QByteArray> bytes = readFile(path, kMaxSettingsBytes);
    if (!bytes)
        return {};
    return fromJson(*bytes).value_or(ClassBook());
}

bool ClassBook::save(const QString& path) const {
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash > 0 && !makeFolders(path.left(slash)))
        return false;
    return writeWhole(path, toJson());
}

QString ClassBook::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/zorna-results.json");
}

SchoolClass* ClassBook::find(const QString& name) {
    for (SchoolClass& schoolClass : classes_)
        if (sameClassName(schoolClass.name, name))
            return &schoolClass;
    return nullptr;
}

bool ClassBook::addClass(const QString& name) {
    if (name.trimmed().isEmpty() || find(name))
        return false;
    classes_.push_back({name.trimmed(), {}, {}});
    return true;
}

void ClassBook::removeClass(const QString& name) {
    std::erase_if(classes_, [&](const SchoolClass& c) { return sameClassName(c.name, name); });
    if (sameClassName(lastClass_, name))
        lastClass_.clear();
}

void ClassBook::addSource(const QString& className, const QString& source) {
    if (SchoolClass* schoolClass = find(className); schoolClass && !schoolClass->sources.contains(source))
        schoolClass->sources.append(source);
}

void ClassBook::removeSource(const QString& className, const QString& source) {
    if (SchoolClass* schoolClass = find(className))
        schoolClass->sources.removeAll(source);
}

bool ClassBook::joinNames(const QString& className, const QString& from, const QString& into) {
    SchoolClass* schoolClass = find(className);
    if (!schoolClass)
        return false;
    const QString fromKey = pupilKey(from);
    const QString intoKey = joinedKey(schoolClass->joinedNames, pupilKey(into));
    if (fromKey.isEmpty() || intoKey.isEmpty() || intoKey == fromKey)
        return false;
    schoolClass->joinedNames[fromKey] = intoKey;
    return true;
}

} // namespace zorna::results
