// Numbers read from settings text: a leading decimal number, then its whole part.
#pragma once

#include <QString>

namespace tavro::ui {

// The leading decimal number of the text (blanks before it skipped); 0 when there is none.
double leadingNumber(const QString &text);
// Rounds down; a value less than 1e-12 below a whole number counts as that number.
int integerPart(double value);

}  // namespace tavro::ui
