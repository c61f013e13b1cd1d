// Picture files built by hand for the tests: formats Qt cannot write, and files that lie.
#pragma once

#include <QByteArray>
#include <QImage>

namespace tavro::test {

// Qt's writer for the given format ("png", "jpeg", "bmp", "ico").
QByteArray encode(const QImage &image, const char *format, int quality = -1);

// A single-frame GIF of an Indexed8 image with at most 256 colours.
QByteArray encodeGif(const QImage &indexed);

struct PcxLayout {
    int version = 5;
    int bitsPerPixel = 8;
    int planes = 1;
    int width = 1;
    int height = 1;
    int bytesPerLine = 2;
    QByteArray headerPalette{};  // up to 48 bytes
    QByteArray rows{};           // raw scan lines, height * planes * bytesPerLine bytes
    QByteArray tailPalette{};    // the 256 RGB triples after 0x0C, or empty
};

// Run-length encodes the rows as one stream, so runs cross scan lines.
QByteArray encodePcx(const PcxLayout &layout);

// A uniform w x h RGB32 image.
QImage uniform(int width, int height, QRgb colour);

}  // namespace tavro::test
