#include "render/fit_picture.h"
#include "render/raster_constants.h"
#include "render/work_snapshot.h"
#include "test_pictures.h"

#include <gtest/gtest.h>

namespace tavro::render {
namespace {

TEST(FitPicture, PlacesPicturesInTheProcessingArea)
{
    const struct {
        int width, height, size;
        FitRect expected;
    } cases[] = {
        {1000, 500, 490, {0, 122, 490, 245}}, {500, 1000, 490, {122, 0, 245, 490}},
        {1000, 1000, 490, {0, 0, 490, 490}},  {100, 50, 490, {195, 220, 100, 50}},
        {101, 51, 490, {194, 219, 101, 51}},  {491, 490, 490, {0, 0, 490, 489}},
        {490, 490, 490, {0, 0, 490, 490}},    {0, 0, 490, {245, 245, 0, 0}},
        {490, 491, 490, {0, 0, 489, 490}},    {3, 2000, 490, {244, 0, 0, 490}},
        {-5, -5, 490, {245, 245, 0, 0}},      {100, 100, 0, {}},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(fitPicture(c.width, c.height, c.size), c.expected)
            << c.width << " x " << c.height << " in " << c.size;
    }
}

TEST(MakeWorkSnapshot, PlacesByTheDeclaredSizeOnWhite)
{
    // A reduced 250 x 125 decoding of a 1000 x 500 file still lands at (0, 122, 490, 245).
    const QImage snapshot = makeWorkSnapshot(test::uniform(250, 125, 0xFF000000), {1000, 500});
    ASSERT_EQ(snapshot.size(), QSize(490, 490));
    EXPECT_EQ(snapshot.pixel(0, 121), Margin);
    EXPECT_EQ(snapshot.pixel(0, 122), qRgb(0, 0, 0));
    EXPECT_EQ(snapshot.pixel(489, 366), qRgb(0, 0, 0));
    EXPECT_EQ(snapshot.pixel(489, 367), Margin);
    EXPECT_EQ(pictureArea(snapshot), QRect(0, 122, 490, 245));
    // Nothing to place: all margin, white to the original renderings.
    const QImage empty = makeWorkSnapshot(QImage(), {0, 0});
    EXPECT_EQ(empty.convertToFormat(QImage::Format_RGB32), test::uniform(490, 490, 0xFFFFFFFF));
    EXPECT_TRUE(pictureArea(empty).isEmpty());
    EXPECT_EQ(pictureArea(test::uniform(7, 5, 0xFF000000)), QRect(0, 0, 7, 5));
}

// A transparent picture shows the paper: white, never burnt.
TEST(MakeWorkSnapshot, TransparentPixelsAreWhite)
{
    QImage picture(100, 50, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    picture.setPixel(10, 10, qRgba(0, 0, 0, 255));
    const QImage snapshot = makeWorkSnapshot(picture, picture.size());
    EXPECT_EQ(QColor(snapshot.pixel(195, 220)), QColor(Qt::white));
    EXPECT_EQ(QColor(snapshot.pixel(205, 230)), QColor(Qt::black));
}

}  // namespace
}  // namespace tavro::render
