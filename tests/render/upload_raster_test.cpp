#include "render/upload_raster.h"
#include "render/effect_board.h"
#include "test_pictures.h"

#include <gtest/gtest.h>

namespace tavro::render {
namespace {

// A raster of zeros with the given bytes set.
QByteArray raster(std::initializer_list<std::pair<int, uchar>> bytes, char fill = '\0')
{
    QByteArray raster(UploadRasterSize, fill);
    for (const auto &[at, value] : bytes) raster[at] = char(value);
    return raster;
}

TEST(UploadRaster, PacksRowsTopFirstWithTheLeftmostPixelInBitSeven)
{
    const struct {
        int x, y;
        QRgb colour;
        QByteArray expected;
    } cases[] = {
        {0, 0, qRgb(0, 0, 0), raster({{0, 0x80}})},
        {511, 511, qRgb(0, 0, 0), raster({{UploadRasterSize - 1, 0x01}})},
        {9, 3, qRgb(0, 0, 0), raster({{3 * 64 + 1, 0x40}})},
        {0, 0, qRgb(255, 0, 0), raster({{0, 0x80}})},  // a red progress dot burns
        {0, 0, qRgb(128, 128, 128), raster({})},       // light grey does not
    };
    for (const auto &c : cases) {
        QImage board = blankBoard();
        board.setPixel(c.x, c.y, c.colour);
        EXPECT_EQ(packUploadRaster(board), c.expected) << c.x << "," << c.y;
    }
    EXPECT_EQ(packUploadRaster(blankBoard()), raster({}));
    EXPECT_EQ(packUploadRaster(test::uniform(512, 512, 0xFF000000)), raster({}, char(0xFF)));
}

TEST(UploadRaster, BurnsNothingOutsideASmallerBoard)
{
    EXPECT_EQ(packUploadRaster(test::uniform(10, 2, 0xFF000000)),
              raster({{0, 0xFF}, {1, 0xC0}, {64, 0xFF}, {65, 0xC0}}));
    EXPECT_EQ(packUploadRaster(QImage()), raster({}));
}

}  // namespace
}  // namespace tavro::render
