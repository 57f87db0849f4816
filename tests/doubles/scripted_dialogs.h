#pragma once

#include "platform/dialogs.h"

#include <QList>

namespace zorna {

// Answers from a script and records every message asked. Without a scripted
// answer it presses the default button (OK or Yes).
class ScriptedDialogs : public Dialogs {
public:
    void answer(MsgAnswer a) { answers_.append(a); }
    MsgAnswer show(QWidget* parent, const Message& message) override;

    const QList<Message>& asked() const { return asked_; }
    void clear() { asked_.clear(); }
    int pendingAnswers() const { return int(answers_.size()); }

private:
    QList<MsgAnswer> answers_;
    QList<Message> asked_;
};

} // namespace zorna
