// The board as the machine receives it: 512 rows of 64 bytes, leftmost pixel in bit 7, 1 = burn.
#pragma once

#include <QByteArray>
#include <QImage>

namespace tavro::render {

inline constexpr int UploadRasterRowBytes = 64;
inline constexpr int UploadRasterSize = 512 * UploadRasterRowBytes;  // 32768

// Quantises every board pixel with the black-and-white rule and packs it, top row
// first. Always UploadRasterSize bytes; a board smaller than 512 x 512 burns nothing
// outside itself.
QByteArray packUploadRaster(const QImage &board);

}  // namespace tavro::render
