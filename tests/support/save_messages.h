#pragma once

#include "platform/dialogs.h"

namespace zorna::test {

// The board's questions and answers around saving a game.
inline const Message kSaveQuestion{QStringLiteral("Запит"), QStringLiteral("Зберегти гру?"),
                                   MsgIcon::Question, MsgButtons::YesNo};
inline const Message kSaved{QStringLiteral("Повідомлення"), QStringLiteral("Гра збережена!"),
                            MsgIcon::Information, MsgButtons::Ok};
inline const Message kSaveFailed{QStringLiteral("Помилка"), QStringLiteral("Гру не вдалося зберегти!"),
                                 MsgIcon::Warning, MsgButtons::Ok};

} // namespace zorna::test
