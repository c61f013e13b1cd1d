// The hard black-and-white rendering: every pixel becomes black or white, whichever is nearer.
#pragma once

#include <QImage>

namespace tavro::render {

// Same size as the input, Format_Mono with palette index 0 = black, 1 = white.
// A null image gives a null image.
QImage renderBlackWhite(const QImage &image);

}  // namespace tavro::render
