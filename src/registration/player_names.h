#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace zorna {

// What is wrong with the names the players typed, in the order it is told.
struct NameProblem {
    enum class Kind {
        Missing,    // a name is empty (or only spaces)
        Unsaveable, // a name holds a character Windows-1251 cannot hold
        Same,       // two names would be saved alike
    };
    Kind kind;
    int player = 0;         // the first player concerned (1..)
    char32_t character = 0; // for Unsaveable
};

// Checks the names of players 1..n (n = names.size()).
std::optional<NameProblem> checkPlayerNames(const QStringList& names);

// A name as a saved game gives it back: trimmed, in Windows-1251, cut to the
// record's 50 bytes.
QString savedName(const QString& name);

// How a character is named in a message: itself in «», or its code when it
// shows no shape of its own (a combining mark, a control or format character).
QString describeCharacter(char32_t character);

} // namespace zorna
