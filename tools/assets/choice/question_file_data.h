#pragma once

// The eleven questions of kletka16, one per picture, as they stand in the
// question file quetkr16.dat; question_file.cpp draws the pictures they ask
// about and writes the file.

#include <array>

namespace zorna::assets::choice::question_file_data {

inline constexpr std::array<const char*, 11> kQuestions{
    "До якого будиночка веде стежка від зайчика? Натисни на цей будиночок.",
    "Хто з дітей тримає синю повітряну кульку? Натисни на цю дитину.",
    "На яку квітку прилетить метелик? Натисни на цю квітку.",
    "До якої мисочки веде доріжка від кошеняти? Натисни на цю мисочку.",
    "Який олівець найдовший? Натисни на нього.",
    "Яка рибка пливе не в той бік, що всі інші? Натисни на неї.",
    "Серед сніжинок сховалася зірочка. Знайди її і натисни на неї.",
    "Який будинок найвищий? Натисни на нього.",
    "Скільки пташок на дереві? Натисни на картку, де стільки ж яблук.",
    "На кущі сховалося сонечко. Знайди його і натисни на нього.",
    "Хлопчик загубив у траві ключик. Знайди ключик і натисни на нього.",
};

} // namespace zorna::assets::choice::question_file_data
