#include "render/dot_gain.h"

#include "render/dither_methods.h"
#include "render/dot_footprint.h"
#include "render/render_dither.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tavro::render {
namespace {

// Flat patches this wide are dithered; their edges, where a diffusion settles, are left out.
constexpr int PatchSide = 64;
constexpr int PatchEdge = 8;
constexpr int LevelStep = 8;
constexpr int Samples = 256 / LevelStep + 1;  // 0, 8, ..., 248 and 255

int sampleLevel(int i)
{
    return std::min(i * LevelStep, 255);
}

BurnMask flatDots(Effect effect, int level)
{
    if (effect == Effect::Dither) {
        // As the tuned dithering reads its levels: the level as blue, cells 1..S - 1 decided.
        QImage colours(PatchSide + 1, PatchSide + 1, QImage::Format_RGB32);
        colours.fill(qRgb(level, level, level));
        BurnMask mask(PatchSide + 1, PatchSide + 1);
        renderDither(colours, PatchSide + 1, [&mask](int x, int y) { mask.set(x, y); });
        return mask;
    }
    QImage grey(PatchSide, PatchSide, QImage::Format_Grayscale8);
    grey.fill(level);
    return BurnMask::fromRendering(renderGreyEffect(grey, effect, 128));
}

// The darkness the view predicts for each sampled level, never lighter for a darker level.
std::array<double, Samples> darknessOfLevels(Effect effect, const DotFootprint &footprint)
{
    const QRect inner(PatchEdge, PatchEdge, PatchSide - 2 * PatchEdge, PatchSide - 2 * PatchEdge);
    std::array<double, Samples> darkness{};
    for (int i = 0; i < Samples; ++i)
        darkness[std::size_t(i)] = meanDarkness(flatDots(effect, sampleLevel(i)), footprint, inner);
    for (int i = Samples - 2; i >= 0; --i)
        darkness[std::size_t(i)] = std::max(darkness[std::size_t(i)], darkness[std::size_t(i + 1)]);
    return darkness;
}

// The level, between the samples, whose predicted darkness is `wanted`.
double levelOfDarkness(const std::array<double, Samples> &darkness, double wanted)
{
    if (wanted >= darkness[0]) return 0;
    for (int i = 0; i + 1 < Samples; ++i) {
        const double darker = darkness[std::size_t(i)];
        const double lighter = darkness[std::size_t(i + 1)];
        if (wanted < lighter) continue;
        const double at = darker > lighter ? (darker - wanted) / (darker - lighter) : 1.0;
        return sampleLevel(i) + at * (sampleLevel(i + 1) - sampleLevel(i));
    }
    return 255;
}

}  // namespace

ToneCurve dotGainCurve(Effect effect, double diameter)
{
    ToneCurve curve{};
    for (int g = 0; g < 256; ++g) curve[std::size_t(g)] = uchar(g);
    if (effect == Effect::BlackWhite || effect == Effect::Threshold) return curve;
    const std::array<double, Samples> darkness = darknessOfLevels(effect, DotFootprint(diameter));
    for (int g = 0; g < 256; ++g) {
        const double level = levelOfDarkness(darkness, 1.0 - g / 255.0);
        curve[std::size_t(g)] = uchar(std::clamp(int(std::lround(level)), g, 255));
    }
    return curve;
}

void applyToneCurve(QImage &grey, const ToneCurve &curve)
{
    if (grey.format() != QImage::Format_Grayscale8) return;
    for (int y = 0; y < grey.height(); ++y) {
        uchar *row = grey.scanLine(y);
        for (int x = 0; x < grey.width(); ++x) row[x] = curve[row[x]];
    }
}

}  // namespace tavro::render
