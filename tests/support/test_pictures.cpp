#include "test_pictures.h"

#include <QBuffer>

namespace tavro::test {

namespace {

void put16(QByteArray &out, int value)
{
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

// LZW with 9-bit codes only: a clear code before the table would need a 10th bit.
QByteArray gifImageData(const QImage &indexed)
{
    QByteArray codes;
    quint32 bits = 0;
    int count = 0;
    auto putCode = [&](int code) {
        bits |= quint32(code) << count;
        for (count += 9; count >= 8; count -= 8, bits >>= 8) codes.append(char(bits & 0xFF));
    };
    int sinceClear = 0;
    for (int y = 0; y < indexed.height(); ++y) {
        for (int x = 0; x < indexed.width(); ++x) {
            if (sinceClear++ % 200 == 0) putCode(256);
            putCode(indexed.pixelIndex(x, y));
        }
    }
    putCode(257);
    if (count > 0) codes.append(char(bits & 0xFF));
    QByteArray blocks;
    for (qsizetype at = 0; at < codes.size(); at += 255) {
        const QByteArray chunk = codes.mid(at, 255);
        blocks.append(char(chunk.size())).append(chunk);
    }
    return blocks.append('\0');
}

}  // namespace

QByteArray encode(const QImage &image, const char *format, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, quality);
    return bytes;
}

QByteArray encodeGif(const QImage &indexed)
{
    QByteArray gif("GIF89a");
    put16(gif, indexed.width());
    put16(gif, indexed.height());
    gif.append(char(0xF7)).append('\0').append('\0');  // 256-entry global table
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < indexed.colorCount() ? indexed.color(i) : 0;
        gif.append(char(qRed(c))).append(char(qGreen(c))).append(char(qBlue(c)));
    }
    gif.append(',');
    put16(gif, 0);
    put16(gif, 0);
    put16(gif, indexed.width());
    put16(gif, indexed.height());
    gif.append('\0').append(char(8));
    return gif.append(gifImageData(indexed)).append(';');
}

QByteArray encodePcx(const PcxLayout &layout)
{
    QByteArray pcx(128, '\0');
    pcx[0] = 0x0A;
    pcx[1] = char(layout.version);
    pcx[2] = 1;
    pcx[3] = char(layout.bitsPerPixel);
    auto set16 = [&pcx](int at, int value) {
        pcx[at] = char(value & 0xFF);
        pcx[at + 1] = char((value >> 8) & 0xFF);
    };
    set16(8, layout.width - 1);
    set16(10, layout.height - 1);
    pcx.replace(16, layout.headerPalette.size(), layout.headerPalette);
    pcx[65] = char(layout.planes);
    set16(66, layout.bytesPerLine);
    for (qsizetype at = 0; at < layout.rows.size();) {
        const char value = layout.rows[at];
        int run = 1;
        while (run < 63 && at + run < layout.rows.size() && layout.rows[at + run] == value) ++run;
        if (run > 1 || (uchar(value) & 0xC0) == 0xC0) pcx.append(char(0xC0 | run));
        pcx.append(value);
        at += run;
    }
    if (!layout.tailPalette.isEmpty()) pcx.append(char(0x0C)).append(layout.tailPalette);
    return pcx;
}

QImage uniform(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

}  // namespace tavro::test
