#include "platform/dialogs.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QMetaObject>
#include <QSpacerItem>
#include <QStyle>

#include <algorithm>
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

int messageTitleWidth(const QWidget& box, const QString& title) {
    QFont font = box.font();
    font.setBold(true);
    const int bar = box.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &box);
    // The icon and three buttons, and a bar's height of margins around them.
    constexpr int kSquaresBesideTheTitle = 5;
    return QFontMetrics(font).horizontalAdvance(title) + kSquaresBesideTheTitle * std::max(bar, 20);
}

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
    // QMessageBox fixes its own size from its text: a row of the title's width
    // in its grid keeps a short text from cutting a long title.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(messageTitleWidth(box, box.windowTitle()), 0, QSizePolicy::Minimum,
                                      QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
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
