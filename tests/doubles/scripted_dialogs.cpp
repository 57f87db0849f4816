#include "doubles/scripted_dialogs.h"

namespace zorna {

MsgAnswer ScriptedDialogs::ask(QWidget*, const Message& message) {
    asked_.append(message);
    if (whileOpen_)
        whileOpen_(message);
    if (!answers_.isEmpty())
        return answers_.takeFirst();
    return message.buttons == MsgButtons::YesNo ? MsgAnswer::Yes : MsgAnswer::Ok;
}

} // namespace zorna
