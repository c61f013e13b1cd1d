// How the renderings read one pixel: plain RGB sums and the blue level, never a luminance.
#pragma once

#include "render/raster_constants.h"

#include <QImage>
#include <QRgb>

namespace tavro::render {

// Nearer to white than to black by unweighted RGB distance; the sum is never 382.5.
inline bool isWhite(QRgb colour)
{
    return qRed(colour) + qGreen(colour) + qBlue(colour) >= WhiteSumThreshold;
}

// Whites of two pixels as two bits, the first pixel in bit 1. Both sums are formed
// side by side in one 64-bit word: 16-bit lanes hold B + G and R of each pixel, the
// lanes of a pixel are added, and adding 65536 - 383 carries into bit 16 of its
// half exactly when the sum reaches 383.
inline unsigned whitePair(const QRgb *pixels)
{
    const quint64 both = (pixels[0] | (quint64(pixels[1]) << 32)) & 0x00FFFFFF00FFFFFFull;
    const quint64 lanes = (both & 0x00FF00FF00FF00FFull) + ((both >> 8) & 0x00FF00FF00FF00FFull);
    const quint64 sums = (lanes + (lanes >> 16)) & 0x0000FFFF0000FFFFull;
    const quint64 carries = sums + (quint64(0x10000 - WhiteSumThreshold) * 0x100000001ull);
    return unsigned((carries >> 15) & 2) | unsigned((carries >> 48) & 1);
}

// Bit 7 - i set when pixels[i] is white, for i < count <= 8. Branch-free, so mixed
// pictures cost no more than plain ones.
inline uchar whiteBits(const QRgb *pixels, int count)
{
    unsigned bits = 0;
    if (count == 8) {
        for (int pair = 0; pair < 4; ++pair) bits = (bits << 2) | whitePair(pixels + 2 * pair);
        return uchar(bits);
    }
    for (int i = 0; i < count; ++i) bits |= unsigned(isWhite(pixels[i])) << (7 - i);
    return uchar(bits);
}

// The level the dithering works on: the colour value shifted right by 16 bits.
inline int blueLevel(QRgb colour)
{
    return qBlue(colour);
}

// The image itself when its pixels can be read as 32-bit colours, else a converted
// copy. Alpha is ignored by the rules above; colours are not blended with anything.
inline QImage asArgb32(const QImage &image)
{
    const QImage::Format format = image.format();
    if (format == QImage::Format_RGB32 || format == QImage::Format_ARGB32) return image;
    return image.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace tavro::render
