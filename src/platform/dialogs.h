#pragma once

#include <QList>
#include <QString>

class QWidget;

namespace zorna {

enum class MsgIcon { None, Information, Warning, Question, Critical };
enum class MsgButtons { Ok, OkCancel, YesNo };
enum class MsgAnswer { Ok, Cancel, Yes, No };

// One modal message box. An empty title shows the program's title, "Zorna".
struct Message {
    QString title;
    QString text;
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::Ok;

    bool operator==(const Message&) const = default;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Shows the message modally and returns the button pressed. The first button
    // (OK or Yes) is the default; Escape answers the other one.
    virtual MsgAnswer show(QWidget* parent, const Message& message) = 0;
};

// Message boxes on QMessageBox (the standard buttons carry the Ukrainian
// translations that main() installs).
class QtDialogs : public Dialogs {
public:
    MsgAnswer show(QWidget* parent, const Message& message) override;
};

} // namespace zorna
