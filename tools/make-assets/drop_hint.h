// The preview board's invitation to drop a picture, one per interface language.
#pragma once

#include <QImage>

namespace tavro::assets {

inline constexpr int DropHintCount = 6;

// 512 x 512, white, one black line of text; `language` is the interface language index.
QImage dropHint(int language);

}  // namespace tavro::assets
