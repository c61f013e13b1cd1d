// Dot gain: what a burnt dot's disc covers, the as-it-will-burn view and the compensation that
// lightens greys so the view predicts them as dark as asked.
#include "render/dot_gain.h"
#include "render/as_it_will_burn.h"
#include "render/dither_methods.h"
#include "render/dot_footprint.h"
#include "render/effect_board.h"
#include "render/work_snapshot.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace tavro::render {
namespace {

TEST(DotFootprint, CoversTheDiscsAreaAroundItsDot)
{
    for (const double d : {0.5, 1.0, 1.3, 1.6, 2.2, 3.0}) {
        SCOPED_TRACE(d);
        const DotFootprint footprint(d);
        double area = 0;
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy) area += footprint.cover(dx, dy);
        EXPECT_NEAR(area, std::numbers::pi * d * d / 4, 0.01);
        EXPECT_EQ(footprint.darkness(0), 0.0) << "no dot, no darkness";
        EXPECT_DOUBLE_EQ(footprint.darkness(1u << 4), footprint.cover(0, 0));
    }
    EXPECT_EQ(DotFootprint(1.0).cover(1, 0), 0.0) << "a one-dot disc stays on its dot";
    EXPECT_EQ(DotFootprint(9.0).diameter(), DotDiameterRange.max);
    EXPECT_EQ(DotFootprint(std::nan("")).diameter(), DefaultDotDiameter);
}

TEST(AsItWillBurn, DrawsEachBurntDotAsADiscOnTheMaterial)
{
    QImage board = blankBoard();
    board.setPixel(100, 100, qRgb(0, 0, 0));
    const BurnLook look;
    const QImage view = AsItWillBurn(look).render(board);
    ASSERT_EQ(view.size(), board.size());
    const DotFootprint footprint(look.dotDiameter);
    const auto darkness = [&](QPoint p) {
        return double(qRed(view.pixel(p)) - qRed(look.material)) /
               (qRed(look.burn) - qRed(look.material));
    };
    EXPECT_NEAR(darkness({100, 100}), footprint.cover(0, 0), 0.01);
    EXPECT_NEAR(darkness({101, 100}), footprint.cover(1, 0), 0.01);
    EXPECT_EQ(view.pixel(50, 50), look.material) << "white stays material";
    EXPECT_EQ(view.pixel(102, 100), look.material);
}

TEST(DotGain, ChangesNothingWhereNoDotGains)
{
    for (const Effect effect : AllEffects) {
        for (const double d : {0.5, 1.0, 1.6}) {
            const ToneCurve curve = dotGainCurve(effect, d);
            const bool threshold = effect == Effect::BlackWhite || effect == Effect::Threshold;
            for (int g = 0; g < 256; ++g) {
                if (threshold || d <= 1.0) {
                    ASSERT_EQ(curve[std::size_t(g)], g) << int(effect);
                }
                ASSERT_GE(curve[std::size_t(g)], g) << "never darker";
                if (g > 0) {
                    ASSERT_GE(curve[std::size_t(g)], curve[std::size_t(g - 1)]);
                }
            }
        }
    }
}

// A grey ramp dithered by Floyd-Steinberg, seen through 1.6-dot discs: mean darkness of 16 x 16
// blocks, each blurred with the blocks above and below it (which ask for the same grey), against
// the darkness the ramp asks for there. The worst block, in grey levels.
double worstRampError(bool compensate)
{
    constexpr double Diameter = 1.6;
    constexpr int Side = 256, Block = 16;
    QImage ramp(Side, Side, QImage::Format_Grayscale8);
    for (int y = 0; y < Side; ++y)
        for (int x = 0; x < Side; ++x) ramp.scanLine(y)[x] = uchar(x);
    QImage levels = ramp;
    if (compensate) applyToneCurve(levels, dotGainCurve(Effect::FloydSteinberg, Diameter));
    const BurnMask dots =
        BurnMask::fromRendering(renderErrorDiffusion(levels, Effect::FloydSteinberg));
    const DotFootprint footprint(Diameter);
    double worst = 0;
    // The first and last columns of blocks hold the ramp's ends, where diffusion has no room.
    for (int bx = 1; bx + 1 < Side / Block; ++bx) {
        for (int by = 1; by + 1 < Side / Block; ++by) {
            const QRect blurred(bx * Block, (by - 1) * Block, Block, 3 * Block);
            const double predicted = meanDarkness(dots, footprint, blurred);
            const double wanted = 1.0 - (bx * Block + (Block - 1) / 2.0) / 255.0;
            worst = std::max(worst, std::abs(predicted - wanted) * 255);
        }
    }
    return worst;
}

TEST(DotGain, CompensatedRampBurnsAsDarkAsItAsks)
{
    const double with = worstRampError(true);
    const double without = worstRampError(false);
    EXPECT_LE(with, 8.0);
    EXPECT_GT(without, 8.0);
    RecordProperty("worst_with", int(std::lround(with)));
    RecordProperty("worst_without", int(std::lround(without)));
}

TEST(DotGain, IsATuningStepOfEveryDitheredRendering)
{
    QImage picture(300, 200, QImage::Format_RGB32);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 300; ++x) picture.setPixel(x, y, qRgb(x * 255 / 299, 128, 60));
    const QImage work = makeWorkSnapshot(picture, picture.size());
    PictureTuning tuning{.compensateDotGain = true, .dotDiameter = 1.0};
    EXPECT_FALSE(tuning.hasNeutralTone());
    // With nothing to compensate, it renders as the tuned path without it.
    PictureTuning plain{.grey = GreySource::Luma};
    tuning.grey = GreySource::Luma;
    EXPECT_EQ(renderEffectBoard(work, Effect::FloydSteinberg, tuning),
              renderEffectBoard(work, Effect::FloydSteinberg, plain));
    tuning.dotDiameter = 2.0;
    const QImage lighter = renderEffectBoard(work, Effect::FloydSteinberg, tuning);
    const auto dots = [](const QImage &board) {
        qint64 n = 0;
        for (int y = 0; y < board.height(); ++y)
            for (int x = 0; x < board.width(); ++x) n += board.pixel(x, y) == qRgb(0, 0, 0);
        return n;
    };
    EXPECT_LT(dots(lighter), dots(renderEffectBoard(work, Effect::FloydSteinberg, plain)) * 3 / 4);
}

}  // namespace
}  // namespace tavro::render
