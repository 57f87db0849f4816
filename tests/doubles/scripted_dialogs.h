#pragma once

#include "platform/dialogs.h"

#include <QList>

#include <functional>

namespace zorna {

// Answers from a script and records every message asked. Without a scripted
// answer it presses the default button (OK or Yes).
class ScriptedDialogs : public Dialogs {
public:
    void answer(MsgAnswer a) { answers_.append(a); }
    // Runs while every following box is open, before it is answered: what
    // happens meanwhile (timers running on) is played there.
    void whileOpen(std::function<void(const Message&)> action) { whileOpen_ = std::move(action); }

    const QList<Message>& asked() const { return asked_; }
    void clear() { asked_.clear(); }
    int pendingAnswers() const { return int(answers_.size()); }

protected:
    MsgAnswer ask(QWidget* parent, const Message& message) override;

private:
    QList<MsgAnswer> answers_;
    QList<Message> asked_;
    std::function<void(const Message&)> whileOpen_;
};

} // namespace zorna
