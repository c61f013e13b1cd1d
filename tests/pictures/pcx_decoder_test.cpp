#include "pictures/picture_loader.h"
#include "test_pictures.h"

#include <gtest/gtest.h>

#include <functional>

namespace tavro::pictures {
namespace {

QRgb paletteColour(int index)
{
    return qRgb(index, 255 - index, (index * 7) % 256);
}

QByteArray triples(int count)
{
    QByteArray triples;
    for (int i = 0; i < count; ++i) {
        const QRgb c = paletteColour(i);
        triples.append(char(qRed(c))).append(char(qGreen(c))).append(char(qBlue(c)));
    }
    return triples;
}

TEST(DecodePcx, ReadsEveryAcceptedDepth)
{
    const auto mixed = [](int x, int y) { return (x * 5 + y * 3) % 16; };
    const auto wide = [](int x, int y) { return x * 19 + y; };
    const auto rgb = [](int x, int y) { return qRgb(x * 19, y * 40, 255 - x); };
    const struct {
        const char *name;
        int bits, planes, bytesPerLine;
        bool tailPalette;
        // The stored sample of pixel (x, y) in a plane, and the colour expected back.
        std::function<int(int, int, int)> sample;
        std::function<QRgb(int, int)> colour;
    } cases[] = {
        {"1 bit", 1, 1, 2, false, [](int x, int y, int) { return (x + y) % 3 == 0; },
         [](int x, int y) { return (x + y) % 3 == 0 ? qRgb(255, 255, 255) : qRgb(0, 0, 0); }},
        {"4 planes", 1, 4, 2, false, [=](int x, int y, int p) { return mixed(x, y) >> p & 1; },
         [=](int x, int y) { return paletteColour(mixed(x, y)); }},
        {"4 bits", 4, 1, 8, false, [=](int x, int y, int) { return mixed(x, y); },
         [=](int x, int y) { return paletteColour(mixed(x, y)); }},
        {"8 bits", 8, 1, 14, true, [=](int x, int y, int) { return wide(x, y); },
         [=](int x, int y) { return paletteColour(wide(x, y)); }},
        {"8 bits, no palette", 8, 1, 14, false, [=](int x, int y, int) { return wide(x, y); },
         [=](int x, int y) { return qRgb(wide(x, y), wide(x, y), wide(x, y)); }},
        {"24 bits", 8, 3, 14, false,
         [=](int x, int y, int p) { return int(rgb(x, y) >> (16 - 8 * p) & 0xFF); }, rgb},
    };
    const int width = 13, height = 6;
    for (const auto &c : cases) {
        test::PcxLayout layout{.bitsPerPixel = c.bits,
                               .planes = c.planes,
                               .width = width,
                               .height = height,
                               .bytesPerLine = c.bytesPerLine};
        layout.headerPalette = triples(16);
        if (c.tailPalette) layout.tailPalette = triples(256);
        layout.rows = QByteArray(height * c.planes * c.bytesPerLine, '\0');
        for (int y = 0; y < height; ++y)
            for (int p = 0; p < c.planes; ++p)
                for (int x = 0; x < width; ++x) {
                    const int bit = x * c.bits;
                    const qsizetype at = (y * c.planes + p) * c.bytesPerLine + bit / 8;
                    layout.rows[at] =
                        char(layout.rows[at] | (c.sample(x, y, p) & ((1 << c.bits) - 1))
                                                   << (8 - c.bits - bit % 8));
                }
        // Through the loader, so the format is recognised by its first bytes.
        const LoadedPicture picture = loadPictureData(test::encodePcx(layout), QString());
        ASSERT_TRUE(picture.isReadable()) << c.name << ": " << qPrintable(picture.error);
        ASSERT_EQ(picture.size, QSize(width, height)) << c.name;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                ASSERT_EQ(picture.image.pixel(x, y), c.colour(x, y)) << c.name << " " << x;
    }
}

}  // namespace
}  // namespace tavro::pictures
