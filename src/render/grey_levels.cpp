#include "render/grey_levels.h"

#include "render/pixel_rules.h"

#include <algorithm>
#include <cmath>

namespace tavro::render {
namespace {

double clampLevel(double level)
{
    return std::clamp(level, 0.0, 255.0);
}

// Thousandths of the luma weights 0.299, 0.587 and 0.114: in binary floating point
// those products miss some sums that are exactly k + 0.5 by one unit, which would
// round them down.
inline int lumaLevel(QRgb colour)
{
    return (299 * qRed(colour) + 587 * qGreen(colour) + 114 * qBlue(colour) + 500) / 1000;
}

// A third of a sum is never k + 0.5, so adding 1 before the whole division rounds it.
inline int averageLevel(QRgb colour)
{
    return (qRed(colour) + qGreen(colour) + qBlue(colour) + 1) / 3;
}

template <typename Level>
void mapLevels(const QImage &source, QImage &grey, const ToneCurve &tone, Level level)
{
    const int width = source.width();
    const int height = source.height();
    for (int y = 0; y < height; ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        uchar *out = grey.scanLine(y);
        for (int x = 0; x < width; ++x) out[x] = tone[size_t(level(in[x]))];
    }
}

}  // namespace

int adjustLevel(int level, const PictureTuning &tuning)
{
    double v = clampLevel(level);
    // 2.55 b formed as 255 b / 100, which is exact wherever the product is k + 0.5.
    v = clampLevel(v + 255.0 * tuning.brightness / 100.0);
    v = clampLevel(128.0 + (v - 128.0) * (100 + tuning.contrast) / 100.0);
    // An exponent of 1 changes nothing; skipping it keeps a level of k + 0.5 from
    // losing its last bit in the division by 255.
    if (tuning.gamma != 1.0) v = clampLevel(255.0 * std::pow(v / 255.0, 1.0 / tuning.gamma));
    if (tuning.invert) v = clampLevel(255.0 - v);
    return int(std::floor(v + 0.5));
}

ToneCurve makeToneCurve(const PictureTuning &tuning)
{
    ToneCurve tone{};
    for (int level = 0; level < 256; ++level)
        tone[size_t(level)] = uchar(adjustLevel(level, tuning));
    return tone;
}

QImage tunedGreyLevels(const QImage &picture, GreySource source, const PictureTuning &tuning)
{
    if (picture.isNull()) return {};
    const QImage colours = asArgb32(picture);
    QImage grey(colours.size(), QImage::Format_Grayscale8);
    if (grey.isNull()) return {};
    const ToneCurve tone = makeToneCurve(tuning);
    switch (source) {
    case GreySource::Blue:
        mapLevels(colours, grey, tone, blueLevel);
        break;
    case GreySource::Average:
        mapLevels(colours, grey, tone, averageLevel);
        break;
    case GreySource::Auto:
    case GreySource::Luma:
        mapLevels(colours, grey, tone, lumaLevel);
        break;
    }
    return grey;
}

}  // namespace tavro::render
