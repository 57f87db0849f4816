#pragma once

#include <QList>
#include <QPointer>
#include <QString>

#include <functional>

class QObject;
class QWidget;

namespace zorna {

enum class MsgIcon { None, Information, Warning, Question, Critical };
enum class MsgButtons { Ok, OkCancel, YesNo };
enum class MsgAnswer { Ok, Cancel, Yes, No };

// One modal message box. An empty title shows the program's title, "Zorna".
// The text is shown as plain text, exactly as given.
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
    MsgAnswer show(QWidget* parent, const Message& message);

    // True while a message box is open (timers run on meanwhile).
    bool anyOpen() const { return open_ > 0; }
    // Runs `action` when no message box is open: at once when none is,
    // otherwise after the last open one has been answered and the handler that
    // asked it has returned. A box whose parent gets disabled while it is open
    // ignores clicks and keys, so whatever disables a window waits here.
    // Dropped when `context` is destroyed first.
    void whenAnswered(QObject* context, std::function<void()> action);

protected:
    virtual MsgAnswer ask(QWidget* parent, const Message& message) = 0;

private:
    struct Waiting {
        QPointer<QObject> context;
        std::function<void()> action;
    };
    int open_ = 0;
    QList<Waiting> waiting_;
};

// Message boxes on QMessageBox (the standard buttons carry the Ukrainian
// translations that main() installs).
// The width a message box's title bar needs to show the whole title: the
// title in bold (as window managers draw it) beside the window's icon and its
// buttons, each about as wide as the bar is high.
int messageTitleWidth(const QWidget& box, const QString& title);

class QtDialogs : public Dialogs {
protected:
    MsgAnswer ask(QWidget* parent, const Message& message) override;
};

} // namespace zorna
