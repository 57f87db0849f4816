#pragma once

#include <QCoreApplication>
#include <QHash>
#include <QString>

namespace zorna {

// Values made once per run and shared from then on, such as the cursors
// every task window shows. Unlike Qt's pixmap cache, nothing is
// evicted to make room for pictures. The values go with the application,
// before the windowing system they belong to. Tag keeps each use apart.
template <typename Value, typename Tag> class RunCache {
public:
    // The value under key, made by make() the first time it is asked for.
    template <typename Make> static Value value(const QString& key, Make make) {
        if (!values_) {
            values_ = new QHash<QString, Value>;
            qAddPostRoutine(&RunCache::clear);
        }
        const auto found = values_->constFind(key);
        if (found != values_->constEnd())
            return *found;
        const Value made = make();
        values_->insert(key, made);
        return made;
    }

private:
    static void clear() {
        delete values_;
        values_ = nullptr;
    }
    static inline QHash<QString, Value>* values_ = nullptr;
};

} // namespace zorna
