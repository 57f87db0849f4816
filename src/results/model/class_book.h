#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <map>
#include <optional>
#include <vector>

namespace zorna::results {

// A class as the teacher made it: its name, the journal files and folders its
// pupils' results come from, and the names she joined (the key of a name as
// typed -> the key of the pupil it belongs to), which hold within this class only.
struct SchoolClass {
    QString name;
    QStringList sources;
    std::map<QString, QString> joinedNames;
    bool operator==(const SchoolClass&) const = default;
};

// The teacher's classes and the one she looked at last, kept between runs in
// the results program's own settings file (the journals are never changed).
class ClassBook {
public:
    // Reads the file; a missing, unreadable or malformed file gives an empty book.
    static ClassBook load(const QString& path);
    // Writes the whole book (the old file or the new one, never half of it).
    bool save(const QString& path) const;

    QByteArray toJson() const;
    static std::optional<ClassBook> fromJson(const QByteArray& json);

    const std::vector<SchoolClass>& classes() const { return classes_; }
    SchoolClass* find(const QString& name);
    // Adds a class; false when one of that name (ignoring case and spaces at the ends) exists.
    bool addClass(const QString& name);
    void removeClass(const QString& name);
    void addSource(const QString& className, const QString& source);
    void removeSource(const QString& className, const QString& source);
    // Joins the pupil typed `from` to the pupil `into` within one class. A name
    // joined to itself, or into a chain that leads back to it, is refused.
    bool joinNames(const QString& className, const QString& from, const QString& into);

    const QString& lastClass() const { return lastClass_; }
    void setLastClass(const QString& name) { lastClass_ = name; }

    // The results program's settings file in the user's data folder.
    static QString defaultPath();

private:
    std::vector<SchoolClass> classes_;
    QString lastClass_;
};

// The key a pupil's answers are merged under within a class: the name's key,
// followed through the class's joined names.
QString joinedKey(const std::map<QString, QString>& joinedNames, const QString& key);

} // namespace zorna::results
