#pragma once

#include <QString>

namespace zorna {

// What the board reads from the registration window, which stays loaded and
// hidden while the board is shown, and how it hands the players back to it.
class RegistrationLink {
public:
    virtual ~RegistrationLink() = default;
    // The number selected in the count box (2 or 3).
    virtual int playerCount() const = 0;
    // The text of name box i (1..3), as typed.
    virtual QString playerName(int i) const = 0;
    // True when a saved game is to be opened, from potochPapka().
    virtual bool winSave() const = 0;
    virtual QString potochPapka() const = 0;
    // The players leave the board: the registration window closes without a
    // question and a fresh one is shown. The link is gone afterwards.
    virtual void returnFromBoard() = 0;
};

} // namespace zorna
