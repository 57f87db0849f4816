#pragma once

#include <QString>

#include <memory>

namespace zorna {

class Reestr;

// What the game's start builds and keeps for the whole run: the Ukrainian
// button texts, the production services, the task catalog and the context
// every window receives.
class GameStart {
public:
    // Registers the fonts, installs the translator, builds the context for the
    // program folder and shows the registration window. Needs a QApplication.
    explicit GameStart(const QString& programFolder);
    ~GameStart();

    Reestr* registrationWindow() const;

private:
    struct Services;
    std::unique_ptr<Services> services_;
};

} // namespace zorna
