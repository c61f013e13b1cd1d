// Uncompressed Windows BMP data with a palette of 2 or 16 entries, which Qt cannot write itself.
#pragma once

#include <QByteArray>
#include <QImage>

namespace tavro::assets {

// Grey levels of an RGB picture snapped onto `levels` evenly spaced greys, black first.
QImage toGreyIndexed(const QImage &picture, int levels);

// `indexed` is Format_Indexed8 with at most 2^bitsPerPixel colours; bitsPerPixel is 1 or 4.
QByteArray encodeBmp(const QImage &indexed, int bitsPerPixel);

}  // namespace tavro::assets
