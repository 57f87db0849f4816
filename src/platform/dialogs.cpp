#include "platform/dialogs.h"

#include <QMessageBox>
#include <QMetaObject>

#include <utility>

namespace zorna {

namespace {

QMessageBox::Icon toQt(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::Warning:
        return QMessageBox::Warning;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

MsgAnswer Dialogs::show(QWidget* parent, const Message& message) {
    ++open_;
    const MsgAnswer answer = ask(parent, message);
    if (--open_ == 0) {
        // Queued, so that the handler that asked goes on first: it may ask again.
        for (Waiting& w : std::exchange(waiting_, {}))
            if (w.context)
                QMetaObject::invokeMethod(
                    w.context, [this, w] { whenAnswered(w.context, w.action); }, Qt::QueuedConnection);
    }
    return answer;
}

void Dialogs::whenAnswered(QObject* context, std::function<void()> action) {
    if (!context)
        return;
    if (open_ > 0) {
        waiting_.append(Waiting{context, std::move(action)});
        return;
    }
    action();
}

MsgAnswer QtDialogs::ask(QWidget* parent, const Message& message) {
    QMessageBox box(toQt(message.icon), message.title.isEmpty() ? QStringLiteral("Zorna") : message.title,
                    message.text, QMessageBox::NoButton, parent);
    // Texts may carry names and paths: never read them as markup.
    box.setTextFormat(Qt::PlainText);
    switch (message.buttons) {
    case MsgButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
        break;
    case MsgButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    case MsgButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MsgAnswer::Yes;
    case QMessageBox::No:
        return MsgAnswer::No;
    case QMessageBox::Cancel:
        return MsgAnswer::Cancel;
    default:
        return MsgAnswer::Ok;
    }
}

} // namespace zorna
