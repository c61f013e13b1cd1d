#include "bmp_file.h"

#include <QtEndian>

#include <cmath>

namespace tavro::assets {

namespace {

constexpr int FileHeaderSize = 14;
constexpr int InfoHeaderSize = 40;
constexpr quint32 PixelsPerMetre = 3780;  // 96 dpi, what the board is drawn at

void put16(QByteArray &data, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    data.append(bytes, 2);
}

void put32(QByteArray &data, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    data.append(bytes, 4);
}

// Pixels packed from the most significant bits down, as BMP wants.
QByteArray packRow(const uchar *indices, int width, int bitsPerPixel, int rowBytes)
{
    QByteArray row(rowBytes, '\0');
    const int perByte = 8 / bitsPerPixel;
    for (int x = 0; x < width; ++x) {
        const int shift = 8 - bitsPerPixel * (x % perByte + 1);
        row[x / perByte] = char(uchar(row[x / perByte]) | uchar(indices[x] << shift));
    }
    return row;
}

}  // namespace

QImage toGreyIndexed(const QImage &picture, int levels)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    QImage indexed(rgb.size(), QImage::Format_Indexed8);
    QList<QRgb> palette;
    for (int i = 0; i < levels; ++i) {
        const int grey = i * 255 / (levels - 1);
        palette.append(qRgb(grey, grey, grey));
    }
    indexed.setColorTable(palette);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        uchar *out = indexed.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x)
            out[x] = uchar(std::lround(qGray(in[x]) * (levels - 1) / 255.0));
    }
    return indexed;
}

QByteArray encodeBmp(const QImage &indexed, int bitsPerPixel)
{
    Q_ASSERT(indexed.format() == QImage::Format_Indexed8);
    Q_ASSERT(bitsPerPixel == 1 || bitsPerPixel == 4);
    const int colours = 1 << bitsPerPixel;
    const int width = indexed.width();
    const int height = indexed.height();
    const int rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
    const quint32 pixelOffset = FileHeaderSize + InfoHeaderSize + colours * 4;
    const quint32 pixelBytes = quint32(rowBytes) * quint32(height);

    QByteArray data;
    data.reserve(int(pixelOffset + pixelBytes));
    data.append("BM", 2);
    put32(data, pixelOffset + pixelBytes);
    put32(data, 0);
    put32(data, pixelOffset);

    put32(data, InfoHeaderSize);
    put32(data, quint32(width));
    put32(data, quint32(height));  // positive: rows stored bottom-up
    put16(data, 1);
    put16(data, quint16(bitsPerPixel));
    put32(data, 0);  // BI_RGB
    put32(data, pixelBytes);
    put32(data, PixelsPerMetre);
    put32(data, PixelsPerMetre);
    put32(data, quint32(colours));
    put32(data, 0);

    const QList<QRgb> table = indexed.colorTable();
    for (int i = 0; i < colours; ++i) {
        const QRgb colour = i < table.size() ? table[i] : qRgb(0, 0, 0);
        const char entry[4] = {char(qBlue(colour)), char(qGreen(colour)), char(qRed(colour)), 0};
        data.append(entry, 4);
    }
    for (int y = height - 1; y >= 0; --y)
        data.append(packRow(indexed.constScanLine(y), width, bitsPerPixel, rowBytes));
    return data;
}

}  // namespace tavro::assets
