#pragma once

#include <QString>

#include <memory>

namespace zorna {

class RegistrationWindow;

// What the game's start builds and keeps for the whole run: the Ukrainian
// button texts, the production services, the task catalog and the context
// every window receives.
class GameStart {
public:
    // Registers the fonts, installs the translator, builds the context for the
    // program folder of the executable in `executableDir` and starts the program on it: the registration
    // window is shown unless another copy runs on the same folders. Needs a QApplication.
    explicit GameStart(const QString& executableDir);
    ~GameStart();

    // False when the program must end at once.
    bool running() const;
    RegistrationWindow* registrationWindow() const;

private:
    struct Services;
    std::unique_ptr<Services> services_;
};

} // namespace zorna
