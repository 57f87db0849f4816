#pragma once

#include "platform/dialogs.h"

namespace zorna::test {

// The board's messages: a task not there, the end of the game, and the
// questions and answers around saving a game and leaving it.
inline const Message kNotAvailable{QStringLiteral("Повідомлення"),
                                   QStringLiteral("Завдання №1 поки що недоступне."), MsgIcon::Information,
                                   MsgButtons::Ok};
inline const Message kGameOver{QStringLiteral("Повідомлення"), QStringLiteral("Гра закінчена!"),
                               MsgIcon::Information, MsgButtons::Ok};
inline const Message kSaveQuestion{QStringLiteral("Запит"), QStringLiteral("Зберегти гру?"),
                                   MsgIcon::Question, MsgButtons::YesNo};
inline const Message kSaved{QStringLiteral("Повідомлення"), QStringLiteral("Гра збережена!"),
                            MsgIcon::Information, MsgButtons::Ok};
inline const Message kSaveFailed{QStringLiteral("Помилка"), QStringLiteral("Гру не вдалося зберегти!"),
                                 MsgIcon::Warning, MsgButtons::Ok};
inline const Message kUnsaved{QStringLiteral("Запит"),
                              QStringLiteral("Увага!Ви гру не зберегли!\nБажаєте зберегти?"),
                              MsgIcon::Warning, MsgButtons::YesNo};
inline const Message kLeave{QStringLiteral("Запит"),
                            QStringLiteral("Повернутися у вікно реєстрації гравців?"), MsgIcon::Question,
                            MsgButtons::YesNo};

} // namespace zorna::test
