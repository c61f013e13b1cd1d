#include "render/effect_board.h"
#include "render/raster_constants.h"
#include "render/render_black_white.h"
#include "render/render_dither.h"
#include "render/upload_raster.h"
#include "test_pictures.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace tavro::render {
namespace {

using test::uniform;
using Dots = std::vector<QPoint>;

// The dots of one run, in the order they were decided.
Dots ditherDots(const QImage &snapshot, int processingSize)
{
    Dots dots;
    renderDither(snapshot, processingSize, [&dots](int x, int y) { dots.emplace_back(x, y); });
    return dots;
}

QImage grey(int size, int level)
{
    return uniform(size, size, qRgb(level, level, level));
}

// The algorithm exactly as written down: per-pixel reads, double precision shares.
Dots referenceDots(const QImage &snapshot, int s)
{
    std::vector<std::vector<qint16>> e(601, std::vector<qint16>(601, 0));
    for (int y = 1; y <= s; ++y)
        for (int x = 1; x <= s; ++x) {
            const int v = snapshot.valid(x, y) ? qBlue(snapshot.pixel(x, y)) : 0;
            e[y][x] = qint16(v >= 230 ? 255 : v);
        }
    Dots dots;
    for (int y = 1; y < s; ++y)
        for (int x = 1; x < s; ++x) {
            const int g = e[y][x];
            const int err = g <= 128 ? g : g - 255;
            if (g <= 128) dots.emplace_back(x, y);
            e[y][x + 1] = qint16(std::trunc(e[y][x + 1] + err * 3.0 / 8.0));
            e[y + 1][x] = qint16(std::trunc(e[y + 1][x] + err * 3.0 / 8.0));
            e[y + 1][x + 1] = qint16(std::trunc(e[y + 1][x + 1] + err / 4.0));
        }
    return dots;
}

QImage noisyPicture(int size, quint32 seed)
{
    QRandomGenerator random(seed);
    QImage image(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            image.setPixel(x, y,
                           qRgb(random.bounded(256), x * 255 / size,
                                (y * 255 / size + random.bounded(60)) % 256));
    return image;
}

TEST(RenderDither, WorkedExampleAtSizeEight)
{
    const Dots dots128 = ditherDots(grey(8, 128), 8);
    const Dots dots129 = ditherDots(grey(8, 129), 8);
    EXPECT_EQ(dots128.size(), 25u);  // checkerboard with a dot at (1, 1)
    EXPECT_EQ(dots129.size(), 24u);  // the opposite one
    for (const QPoint &dot : dots128) EXPECT_EQ((dot.x() + dot.y()) % 2, 0);
    for (const QPoint &dot : dots129) EXPECT_EQ((dot.x() + dot.y()) % 2, 1);
    EXPECT_EQ(ditherDots(grey(8, 229), 8), (Dots{{7, 3}, {4, 4}, {7, 6}, {3, 7}, {6, 7}}));
    EXPECT_TRUE(ditherDots(grey(8, 230), 8).empty());
    EXPECT_TRUE(ditherDots(grey(8, 255), 8).empty());
    EXPECT_EQ(ditherDots(grey(8, 0), 8).size(), 49u);
}

TEST(RenderDither, MatchesTheAlgorithmAsWrittenOnNoisyPictures)
{
    // Odd and even row counts, rows shorter and longer than 64 cells.
    for (int size : {2, 3, 4, 5, 64, 65, 66, 129, ProcessingSize, ErrorGridCapacity}) {
        const QImage snapshot = noisyPicture(size, quint32(size));
        EXPECT_EQ(ditherDots(snapshot, size), referenceDots(snapshot, size)) << size;
    }
}

TEST(RenderDither, CallsBackOncePerDecisionInScanOrderAndRepeats)
{
    const QImage snapshot = noisyPicture(70, 7);
    const auto run = [&] {
        Dots sequence;  // white decisions as (0, 0)
        renderDither(
            snapshot, 70, [&](int x, int y) { sequence.emplace_back(x, y); },
            [&] { sequence.emplace_back(0, 0); });
        return sequence;
    };
    const Dots sequence = run();
    ASSERT_EQ(sequence.size(), 69u * 69u);
    Dots expected(69 * 69);
    for (const QPoint &dot : referenceDots(snapshot, 70))
        expected[size_t((dot.y() - 1) * 69 + dot.x() - 1)] = dot;
    EXPECT_EQ(sequence, expected);
    EXPECT_EQ(run(), sequence);
}

TEST(RenderDither, DotsStayInsideTheDecidedCells)
{
    // Even a black snapshot larger than the area leaves row and column 0 and S white.
    const QImage board = renderEffectBoard(uniform(512, 512, 0xFF000000), Effect::Dither);
    ASSERT_EQ(board.size(), QSize(BoardSize, BoardSize));
    for (int y = 0; y < BoardSize; ++y)
        for (int x = 0; x < BoardSize; ++x) {
            const bool inside = x >= 1 && y >= 1 && x < ProcessingSize && y < ProcessingSize;
            ASSERT_EQ(board.pixel(x, y), inside ? qRgb(0, 0, 0) : qRgb(255, 255, 255))
                << x << "," << y;
        }
    // Reads outside the snapshot are black; sizes beyond the grid decide nothing.
    EXPECT_EQ(ditherDots(uniform(1, 1, 0xFFFFFFFF), 8).size(), 49u);
    EXPECT_TRUE(ditherDots(grey(8, 0), ErrorGridCapacity + 1).empty());
}

TEST(Renderings, EveryPixelFollowsTheSumRule)
{
    // Odd width: the last byte of each row is partial.
    const QImage picture = noisyPicture(67, 11);
    const QImage bw = renderBlackWhite(picture);
    const QByteArray raster = packUploadRaster(picture);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb c = picture.pixel(x, y);
            const bool white = qRed(c) + qGreen(c) + qBlue(c) >= 383;
            ASSERT_EQ(bw.pixelIndex(x, y), white ? 1 : 0) << x << "," << y;
            const bool burn = uchar(raster[y * 64 + x / 8]) >> (7 - x % 8) & 1;
            ASSERT_EQ(burn, !white) << x << "," << y;
        }
}

TEST(Renderings, ColoursFollowTheSumAndTheBlueLevel)
{
    const struct {
        const char *name;
        QRgb colour;
        bool white;          // in the black-and-white rendering
        int ditherLikeGrey;  // the dithering sees the blue level alone
    } cases[] = {
        {"red", qRgb(255, 0, 0), false, 0},
        {"green", qRgb(0, 255, 0), false, 0},
        {"blue", qRgb(0, 0, 255), false, 255},
        {"yellow", qRgb(255, 255, 0), true, 0},
        {"grey 127", qRgb(127, 127, 127), false, 127},
        {"grey 128", qRgb(128, 128, 128), true, 128},
        {"sum 383", qRgb(128, 128, 127), true, 127},
        {"sum 382", qRgb(127, 128, 127), false, 127},
        {"face grey", qRgb(240, 240, 240), true, 255},
        {"blue 230", qRgb(0, 0, 230), false, 255},
    };
    EXPECT_EQ(ditherDots(grey(16, 0), 16).size(), 225u);
    for (const auto &c : cases) {
        const QImage bw = renderBlackWhite(uniform(16, 16, c.colour));
        ASSERT_EQ(bw.format(), QImage::Format_Mono);
        EXPECT_EQ(bw.size(), QSize(16, 16));
        EXPECT_EQ(bw.pixel(5, 5), c.white ? qRgb(255, 255, 255) : qRgb(0, 0, 0)) << c.name;
        EXPECT_EQ(ditherDots(uniform(16, 16, c.colour), 16),
                  ditherDots(grey(16, c.ditherLikeGrey), 16))
            << c.name;
    }
}

}  // namespace
}  // namespace tavro::render
