// The help window's pictures: a start page and the answers to its eight questions, in Chinese.
#pragma once

#include <QImage>

namespace tavro::assets {

inline constexpr int HelpSide = 500;
inline constexpr int HelpAnswerCount = 8;

// 500 x 500: the red title and how to read the help.
QImage helpStart();

// 500 x 500: the answer to question `number` (1..8); null when its text would run off the page.
QImage helpAnswer(int number);

}  // namespace tavro::assets
