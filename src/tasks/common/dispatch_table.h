#pragma once

#include <QString>

#include <array>

namespace zorna {

// One square of the path and the task window it opens.
struct TaskSquare {
    int square;       // 1..32, also the task number shown in the caption
    int windowNumber; // N of the window's name; names its picture folder and used-picture file
    int category;     // statistics category 1..7 written into WinType
    const char* caption;

    // "Kletka2" for the first window, "kletkaN" for the others.
    QString windowName() const {
        return (windowNumber == 2 ? QStringLiteral("Kletka") : QStringLiteral("kletka")) +
               QString::number(windowNumber);
    }
};

inline constexpr std::array<TaskSquare, 32> kDispatchTable{{
    {1, 2, 4, "Завдання №1"},    {2, 7, 3, "Завдання №2"},     {3, 17, 2, "Завдання №3"},
    {4, 4, 4, "Завдання №4"},    {5, 11, 4, "Завдання №5"},    {6, 34, 5, "Завдання №6"},
    {7, 27, 5, "Завдання №7"},   {8, 3, 4, "Завдання №8"},     {9, 10, 4, "Завдання №9"},
    {10, 14, 2, "Завдання №10"}, {11, 12, 4, "Завдання №11"},  {12, 13, 4, "Завдання №12"},
    {13, 26, 6, "Завдання №13"}, {14, 29, 5, "Завдання №14"},  {15, 16, 1, "Завдання №15"},
    {16, 5, 4, "Завдання №16"},  {17, 18, 3, "Завдання №17"},  {18, 23, 3, "Завдання №18"},
    {19, 20, 3, "Завдання №19"}, {20, 8, 4, "Завдання №20"},   {21, 25, 2, "Завдання №21"},
    {22, 9, 3, "Завдання №22"},  {23, 24, 7, "Завдання №23"},  {24, 22, 3, "Завдання №24"},
    {25, 19, 2, "Завдання №25"}, {26, 28, 5, "Завдання №26"},  {27, 15, 2, "Завдання № 27"},
    {28, 31, 1, "Завдання №28"}, {29, 6, 4, "Завдання №29"},   {30, 32, 6, "Завдання №30"},
    {31, 30, 1, "Завдання №31"}, {32, 33, 7, "Завдання № 32"},
}};

// The square whose task window has window number N; nullptr when none has.
const TaskSquare* squareOfWindow(int windowNumber);
// The entry of a square 1..32; nullptr for any other square.
const TaskSquare* taskOfSquare(int square);

} // namespace zorna
