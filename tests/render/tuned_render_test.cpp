// The tuned renderings against plain versions of their rules, written apart from the program's.
#include "render/dither_methods.h"
#include "render/effect_board.h"
#include "render/fit_picture.h"
#include "render/grey_levels.h"
#include "render/render_black_white.h"
#include "render/render_dither.h"
#include "render/work_snapshot.h"
#include "test_pictures.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <span>
#include <string>
#include <vector>

namespace tavro::render {
namespace {

using Levels = std::vector<std::vector<int>>;  // [y][x]
using Burn = std::vector<std::vector<bool>>;   // [y][x], true = black

// Smooth colour gradients with grain, like a photo.
QImage photo(int width, int height, quint32 seed)
{
    QRandomGenerator random(seed);
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int grain = int(random.bounded(40)) - 20;
            image.setPixel(x, y,
                           qRgb(std::clamp(x * 255 / width + grain, 0, 255),
                                std::clamp(y * 255 / height - grain, 0, 255),
                                std::clamp((x + 2 * y) * 255 / (width + 2 * height), 0, 255)));
        }
    return image;
}

QImage greyRamp(int size)
{
    QImage image(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const int level = x * 255 / (size - 1);
            image.setPixel(x, y, qRgb(level, level, level));
        }
    return image;
}

QImage colourRamp(int size)
{
    QImage image(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            image.setPixel(x, y, qRgb(x * 255 / size, y * 255 / size, 255 - x * 255 / size));
    return image;
}

struct Snapshot {
    QImage surface;
    QRect area;  // the picture's own pixels
};

Snapshot fitted(const QImage &picture)
{
    const FitRect fit = fitPicture(picture.width(), picture.height(), ProcessingSize);
    return {makeWorkSnapshot(picture, picture.size()),
            QRect(fit.left, fit.top, fit.width, fit.height)};
}

Snapshot whole(const QImage &surface)
{
    return {surface, surface.rect()};
}

// Work snapshots as the chooser makes them: photos fitted with white margins,
// gradients, and flat colours.
const std::map<std::string, Snapshot> &snapshots()
{
    static const std::map<std::string, Snapshot> snapshots = [] {
        std::map<std::string, Snapshot> s;
        s["landscape photo"] = fitted(photo(640, 480, 1));
        s["small photo"] = fitted(photo(201, 333, 2));
        s["grey ramp"] = whole(greyRamp(ProcessingSize));
        s["colour ramp"] = whole(colourRamp(ProcessingSize));
        for (const auto &[name, colour] : {std::pair{"red", qRgb(255, 0, 0)},
                                           {"blue", qRgb(0, 0, 255)},
                                           {"yellow", qRgb(255, 255, 0)},
                                           {"grey 128", qRgb(128, 128, 128)},
                                           {"black", qRgb(0, 0, 0)},
                                           {"white", qRgb(255, 255, 255)}})
            s[name] = whole(test::uniform(ProcessingSize, ProcessingSize, colour));
        return s;
    }();
    return snapshots;
}

double roundHalfUp(double value)
{
    return std::floor(value + 0.5);
}

double referenceGrey(QRgb c, GreySource source)
{
    const double r = qRed(c), g = qGreen(c), b = qBlue(c);
    if (source == GreySource::Blue) return b;
    if (source == GreySource::Average) return roundHalfUp((r + g + b) / 3.0);
    // 0.299 R + 0.587 G + 0.114 B, in thousandths so a sum of k + 0.5 stays exact.
    return roundHalfUp((299.0 * r + 587.0 * g + 114.0 * b) / 1000.0);
}

double clamp(double v)
{
    return std::min(255.0, std::max(0.0, v));
}

int referenceAdjust(int level, const PictureTuning &t)
{
    double v = level;
    v = clamp(v + 255.0 * t.brightness / 100.0);  // 2.55 b
    v = clamp(128.0 + (v - 128.0) * (100 + t.contrast) / 100.0);
    if (t.gamma != 1.0) v = clamp(255.0 * std::pow(v / 255.0, 1.0 / t.gamma));
    if (t.invert) v = clamp(255.0 - v);
    return int(roundHalfUp(v));
}

Levels referenceLevels(const QImage &picture, GreySource source, const PictureTuning &t)
{
    Levels levels(size_t(picture.height()), std::vector<int>(size_t(picture.width())));
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            levels[y][x] = referenceAdjust(int(referenceGrey(picture.pixel(x, y), source)), t);
    return levels;
}

Burn blank(const Levels &g)
{
    return Burn(g.size(), std::vector<bool>(g.empty() ? 0 : g[0].size(), false));
}

Burn referenceThreshold(const Levels &g, int threshold)
{
    Burn burn = blank(g);
    for (size_t y = 0; y < g.size(); ++y)
        for (size_t x = 0; x < g[y].size(); ++x) burn[y][x] = g[y][x] < threshold;
    return burn;
}

// Weights for columns x - 2 .. x + 2 of rows y, y + 1, y + 2.
struct ReferenceKernel {
    int divisor;
    int weights[3][5];
};

const std::map<Effect, ReferenceKernel> Kernels = {
    {Effect::FloydSteinberg, {16, {{0, 0, 0, 7, 0}, {0, 3, 5, 1, 0}, {0, 0, 0, 0, 0}}}},
    {Effect::Atkinson, {8, {{0, 0, 0, 1, 1}, {0, 1, 1, 1, 0}, {0, 0, 1, 0, 0}}}},
    {Effect::JarvisJudiceNinke, {48, {{0, 0, 0, 7, 5}, {3, 5, 7, 5, 3}, {1, 3, 5, 3, 1}}}},
    {Effect::Stucki, {42, {{0, 0, 0, 8, 4}, {2, 4, 8, 4, 2}, {1, 2, 4, 2, 1}}}},
    {Effect::Sierra, {32, {{0, 0, 0, 5, 3}, {2, 4, 5, 4, 2}, {0, 2, 3, 2, 0}}}},
};

Burn referenceDiffusion(const Levels &g, const ReferenceKernel &k)
{
    Burn burn = blank(g);
    const int h = int(g.size()), w = h ? int(g[0].size()) : 0;
    std::vector<std::vector<double>> error(size_t(h), std::vector<double>(size_t(w), 0.0));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double value = g[y][x] + error[y][x];
            const bool black = value < 128;
            const double e = value - (black ? 0 : 255);
            burn[y][x] = black;
            for (int dy = 0; dy < 3; ++dy)
                for (int dx = -2; dx <= 2; ++dx) {
                    const int weight = k.weights[dy][dx + 2];
                    if (weight == 0 || y + dy >= h || x + dx < 0 || x + dx >= w) continue;
                    error[y + dy][x + dx] += e * weight / k.divisor;
                }
        }
    return burn;
}

Burn referenceBayer(const Levels &g)
{
    static const int m[8][8] = {
        {0, 32, 8, 40, 2, 34, 10, 42},  {48, 16, 56, 24, 50, 18, 58, 26},
        {12, 44, 4, 36, 14, 46, 6, 38}, {60, 28, 52, 20, 62, 30, 54, 22},
        {3, 35, 11, 43, 1, 33, 9, 41},  {51, 19, 59, 27, 49, 17, 57, 25},
        {15, 47, 7, 39, 13, 45, 5, 37}, {63, 31, 55, 23, 61, 29, 53, 21},
    };
    Burn burn = blank(g);
    for (size_t y = 0; y < g.size(); ++y)
        for (size_t x = 0; x < g[y].size(); ++x) burn[y][x] = g[y][x] < 4 * (m[y % 8][x % 8] + 0.5);
    return burn;
}

// The original dithering with the level in place of the blue channel.
Burn referenceDither(const Levels &g)
{
    const int s = ProcessingSize;
    std::vector<std::vector<int>> e(601, std::vector<int>(601, 0));
    for (int y = 1; y <= s; ++y)
        for (int x = 1; x <= s; ++x) {
            const int v = y < int(g.size()) && x < int(g[y].size()) ? g[y][x] : 0;
            e[y][x] = v >= 230 ? 255 : v;
        }
    Burn burn = blank(g);
    for (int y = 1; y < s; ++y)
        for (int x = 1; x < s; ++x) {
            const int level = e[y][x];
            const int err = level <= 128 ? level : level - 255;
            burn[y][x] = level <= 128;
            e[y][x + 1] = int(std::trunc(e[y][x + 1] + err * 3.0 / 8.0));
            e[y + 1][x] = int(std::trunc(e[y + 1][x] + err * 3.0 / 8.0));
            e[y + 1][x + 1] = int(std::trunc(e[y + 1][x + 1] + err / 4.0));
        }
    return burn;
}

// Tuning touches the picture's own pixels only: the margins stay white and error that would
// fall on them is dropped. Untuned dithering is the original, margins and all.
QImage referenceBoard(const Snapshot &snapshot, Effect effect, const PictureTuning &t)
{
    GreySource source = t.grey;
    if (source == GreySource::Auto)
        source = effect == Effect::BlackWhite ? GreySource::Average
                 : effect == Effect::Dither   ? GreySource::Blue
                                              : GreySource::Luma;
    const bool untuned = t.grey == GreySource::Auto && t.hasNeutralTone();
    const QRect area =
        effect == Effect::Dither && untuned ? snapshot.surface.rect() : snapshot.area;
    const Levels g = referenceLevels(snapshot.surface.copy(area), source, t);
    Burn burn;
    if (effect == Effect::BlackWhite || effect == Effect::Threshold)
        burn = referenceThreshold(g, t.threshold);
    else if (effect == Effect::Bayer)
        burn = referenceBayer(g);
    else if (effect != Effect::Dither)
        burn = referenceDiffusion(g, Kernels.at(effect));
    QImage board(512, 512, QImage::Format_RGB32);
    board.fill(Qt::white);
    if (effect == Effect::Dither) {
        // Dithered on the whole surface, the margins white.
        const int s = snapshot.surface.width();
        Levels surface(size_t(s), std::vector<int>(size_t(s), 255));
        for (int y = 0; y < area.height(); ++y)
            for (int x = 0; x < area.width(); ++x) surface[area.y() + y][area.x() + x] = g[y][x];
        const Burn dots = referenceDither(surface);
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (dots[y][x]) board.setPixel(x, y, qRgb(0, 0, 0));
        return board;
    }
    for (size_t y = 0; y < burn.size(); ++y)
        for (size_t x = 0; x < burn[y].size(); ++x)
            if (burn[y][x]) board.setPixel(area.x() + int(x), area.y() + int(y), qRgb(0, 0, 0));
    return board;
}

QImage originalBoard(const QImage &snapshot, Effect effect)
{
    QImage board = blankBoard();
    if (effect == Effect::BlackWhite) {
        const QImage bw = renderBlackWhite(snapshot);
        for (int y = 0; y < bw.height(); ++y)
            for (int x = 0; x < bw.width(); ++x)
                if (bw.pixelIndex(x, y) == 0) board.setPixel(x, y, qRgb(0, 0, 0));
    } else {
        renderDither(snapshot, ProcessingSize,
                     [&board](int x, int y) { board.setPixel(x, y, qRgb(0, 0, 0)); });
    }
    return board;
}

TEST(ToneCurve, MatchesThePlainArithmeticOverTheRanges)
{
    for (const int brightness : {-100, -37, 0, 10, 30, 100})
        for (const int contrast : {-100, -50, 0, 60, 100})
            for (const double gamma : {0.2, 0.45, 1.0, 2.2, 5.0})
                for (const bool invert : {false, true}) {
                    const PictureTuning t{.brightness = brightness,
                                          .contrast = contrast,
                                          .gamma = gamma,
                                          .invert = invert};
                    const ToneCurve tone = makeToneCurve(t);
                    for (int level = 0; level < 256; ++level)
                        ASSERT_EQ(tone[size_t(level)], referenceAdjust(level, t))
                            << level << " b" << brightness << " c" << contrast << " g" << gamma
                            << " i" << invert;
                }
}

TEST(ToneCurve, RangeEndsAndHalves)
{
    const auto level = [](int v, PictureTuning t) { return adjustLevel(v, t); };
    for (int v : {0, 1, 127, 128, 254, 255}) {
        EXPECT_EQ(level(v, {}), v);
        EXPECT_EQ(level(v, {.brightness = 100}), 255);
        EXPECT_EQ(level(v, {.brightness = -100}), 0);
        EXPECT_EQ(level(v, {.contrast = -100}), 128);
        EXPECT_EQ(level(v, {.invert = true}), 255 - v);
    }
    // Full contrast doubles the distance from 128; clamping happens at each step.
    EXPECT_EQ(level(64, {.contrast = 100}), 0);
    EXPECT_EQ(level(65, {.contrast = 100}), 2);
    EXPECT_EQ(level(191, {.contrast = 100}), 254);
    EXPECT_EQ(level(0, {.brightness = 100, .invert = true}), 0);
    EXPECT_EQ(level(255, {.brightness = 50, .contrast = -100}), 128);
    EXPECT_EQ(level(128, {.gamma = 5.0}), 222);
    EXPECT_EQ(level(128, {.gamma = 0.2}), 8);
    EXPECT_EQ(level(0, {.gamma = 0.2}), 0);
    EXPECT_EQ(level(255, {.gamma = 5.0}), 255);
    // Exact halves round up: 0 + 25.5, 0 + 76.5, and a luma of 22.5.
    EXPECT_EQ(level(0, {.brightness = 10}), 26);
    EXPECT_EQ(level(0, {.brightness = 30}), 77);
    const auto greyLevel = [](QRgb colour, GreySource source) {
        return qGray(tunedGreyLevels(test::uniform(1, 1, colour), source, {}).pixel(0, 0));
    };
    EXPECT_EQ(greyLevel(qRgb(0, 36, 12), GreySource::Luma), 23);
    EXPECT_EQ(greyLevel(qRgb(1, 1, 0), GreySource::Average), 1);
    EXPECT_EQ(greyLevel(qRgb(1, 0, 0), GreySource::Average), 0);
}

class EveryEffect : public ::testing::TestWithParam<Effect> {};

TEST_P(EveryEffect, MatchesItsPlainVersion)
{
    const Effect effect = GetParam();
    // Neutral first: for BlackWhite and Dither the plain version then is the original.
    const PictureTuning tunings[] = {
        {},
        {.grey = GreySource::Average, .brightness = 20, .contrast = 30, .gamma = 0.7},
        {.grey = GreySource::Blue, .gamma = 2.2, .invert = true},
        {.brightness = -100, .contrast = 100, .gamma = 5.0, .threshold = 90},
        {.grey = GreySource::Luma,
         .brightness = 100,
         .contrast = -100,
         .gamma = 0.2,
         .threshold = 255},
    };
    for (const auto &[name, snapshot] : snapshots()) {
        // Flat colours need fewer cases to show their all-or-nothing surprises are gone.
        const bool flat =
            name.find("ramp") == std::string::npos && name.find("photo") == std::string::npos;
        for (const PictureTuning &t : std::span(tunings).first(flat ? 2 : 4))
            ASSERT_EQ(renderEffectBoard(snapshot.surface, effect, t),
                      referenceBoard(snapshot, effect, t))
                << name << " with " << qPrintable(pictureTuningToLines(t).join(u' '));
    }
    const Snapshot &ramp = snapshots().at("grey ramp");
    EXPECT_EQ(renderEffectBoard(ramp.surface, effect, tunings[4]),
              referenceBoard(ramp, effect, tunings[4]));
}

INSTANTIATE_TEST_SUITE_P(TunedEffects, EveryEffect, ::testing::ValuesIn(AllEffects),
                         [](const ::testing::TestParamInfo<Effect> &info) {
                             return effectName(info.param).toStdString();
                         });

TEST(TunedEffects, SmallAndOddSizesDropWhatFallsOutside)
{
    for (const QSize size : {QSize(1, 1), QSize(2, 3), QSize(5, 2), QSize(9, 17)}) {
        const QImage picture = photo(size.width(), size.height(), 5);
        const QImage grey = tunedGreyLevels(picture, GreySource::Luma, {});
        const Levels levels = referenceLevels(picture, GreySource::Luma, {});
        for (const auto &[effect, kernel] : Kernels) {
            const QImage mono = renderErrorDiffusion(grey, effect);
            const Burn expected = referenceDiffusion(levels, kernel);
            ASSERT_EQ(mono.size(), size);
            for (int y = 0; y < size.height(); ++y)
                for (int x = 0; x < size.width(); ++x)
                    ASSERT_EQ(mono.pixelIndex(x, y) == 0, expected[y][x]) << size.width();
        }
    }
    EXPECT_TRUE(renderErrorDiffusion(QImage(), Effect::FloydSteinberg).isNull());
    EXPECT_TRUE(renderThreshold(test::uniform(4, 4, 0), 128).isNull());  // colours, not levels
    EXPECT_TRUE(
        renderGreyEffect(tunedGreyLevels(greyRamp(8), GreySource::Blue, {}), Effect::Dither, 128)
            .isNull());
    EXPECT_EQ(renderEffectBoard(QImage(), Effect::Stucki), blankBoard());
}

TEST(TunedEffects, NeutralTuningKeepsTheOriginalRenderings)
{
    for (const auto &[name, fittedSnapshot] : snapshots()) {
        const QImage &snapshot = fittedSnapshot.surface;
        for (const Effect effect : {Effect::BlackWhite, Effect::Dither}) {
            const QImage original = originalBoard(snapshot, effect);
            EXPECT_EQ(renderEffectBoard(snapshot, effect), original) << name;
            EXPECT_EQ(renderEffectBoard(snapshot, effect, PictureTuning{}), original) << name;
            // Read through the tuned path, their own grey sources give the same result.
            const GreySource own =
                effect == Effect::Dither ? GreySource::Blue : GreySource::Average;
            EXPECT_EQ(renderEffectBoard(snapshot, effect, {.grey = own}), original) << name;
        }
    }
    // Every RGB sum: black below 383 and white from it, as the average rounds.
    QImage sums(28, 28, QImage::Format_RGB32);
    for (int i = 0; i < 28 * 28; ++i) {
        const int sum = std::min(i, 765);
        sums.setPixel(
            i % 28, i / 28,
            qRgb(std::min(sum, 255), std::clamp(sum - 255, 0, 255), std::clamp(sum - 510, 0, 255)));
    }
    EXPECT_EQ(renderEffectBoard(sums, Effect::BlackWhite, {.grey = GreySource::Average}),
              originalBoard(sums, Effect::BlackWhite));
}

// Inverted, a dark picture burns its light parts; the margins around it are no part of it.
TEST(TunedEffects, MarginsStayWhiteWhateverTheTuning)
{
    const QImage wide = photo(800, 600, 3);
    const QImage snapshot = makeWorkSnapshot(wide, wide.size());
    const QRect area(0, 61, 490, 367);
    for (const PictureTuning &t :
         {PictureTuning{.invert = true}, PictureTuning{.brightness = -100, .contrast = 100}}) {
        for (const Effect effect : AllEffects) {
            const QImage board = renderEffectBoard(snapshot, effect, t);
            int outside = 0;
            for (int y = 0; y < ProcessingSize; ++y)
                for (int x = 0; x < ProcessingSize; ++x)
                    outside += !area.contains(x, y) && board.pixel(x, y) != qRgb(255, 255, 255);
            EXPECT_EQ(outside, 0) << qPrintable(effectName(effect));
            EXPECT_NE(board, blankBoard()) << qPrintable(effectName(effect));
        }
    }
}

TEST(TunedEffects, PanelsAreBlackWhiteAndTheChosenMethod)
{
    const QImage snapshot = snapshots().at("landscape photo").surface;
    const PictureTuning t{
        .grey = GreySource::Luma, .gamma = 1.8, .threshold = 100, .method = Effect::Sierra};
    const EffectPanels panels = renderEffectPanels(snapshot, t);
    EXPECT_EQ(panels.left, renderEffectBoard(snapshot, Effect::BlackWhite, t));
    EXPECT_EQ(panels.right, renderEffectBoard(snapshot, Effect::Sierra, t));
    EXPECT_NE(panels.left, panels.right);
    const EffectPanels neutral = renderEffectPanels(snapshot, {});
    EXPECT_EQ(neutral.left, originalBoard(snapshot, Effect::BlackWhite));
    EXPECT_EQ(neutral.right, originalBoard(snapshot, Effect::Dither));
}

}  // namespace
}  // namespace tavro::render
