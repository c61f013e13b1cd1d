// The main window's captions in the six interface languages.
#pragma once

#include <QImage>
#include <QString>

#include <array>

namespace tavro::shell {

inline constexpr int LanguageCount = 6;
inline constexpr int CaptionCount = 32;

struct CaptionRow {
    const char16_t *unit;  // objectName of the unit
    std::array<const char16_t *, LanguageCount> text;
};

// In the order the captions are applied; languages as the combo box lists them.
const std::array<CaptionRow, CaptionCount> &captionTable();
// The board's drop hint in a language (0..LanguageCount-1).
QImage dropHintPicture(int language);

}  // namespace tavro::shell
