#include "render/dot_footprint.h"

#include "render/raster_constants.h"
#include "render/upload_raster.h"

#include <algorithm>
#include <cmath>

namespace tavro::render {
namespace {

// Samples along each side of a pixel when measuring what a disc covers: shares to 1/4096.
constexpr int Samples = 64;

double coverOf(double radius, int dx, int dy)
{
    int inside = 0;
    for (int i = 0; i < Samples; ++i) {
        const double x = dx - 0.5 + (i + 0.5) / Samples;
        for (int j = 0; j < Samples; ++j) {
            const double y = dy - 0.5 + (j + 0.5) / Samples;
            if (x * x + y * y <= radius * radius) ++inside;
        }
    }
    return double(inside) / (Samples * Samples);
}

}  // namespace

DotFootprint::DotFootprint(double diameter)
    : m_diameter(std::isnan(diameter)
                     ? DefaultDotDiameter
                     : std::clamp(diameter, DotDiameterRange.min, DotDiameterRange.max))
{
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            m_cover[std::size_t((dx + 1) * 3 + dy + 1)] = coverOf(m_diameter / 2, dx, dy);
    for (Pattern pattern = 0; pattern < Patterns; ++pattern) {
        double through = 1.0;
        for (int bit = 0; bit < 9; ++bit)
            if (pattern >> bit & 1) through *= 1.0 - m_cover[std::size_t(bit)];
        m_darkness[pattern] = 1.0 - through;
    }
}

BurnMask::BurnMask(int width, int height)
    : m_width(std::max(width, 0)),
      m_height(std::max(height, 0)),
      m_bits(std::size_t(m_width + 2) * std::size_t(m_height + 2), 0)
{
}

BurnMask BurnMask::fromRaster(const QByteArray &raster)
{
    BurnMask mask(BoardSize, BoardSize);
    if (raster.size() != UploadRasterSize) return mask;
    const auto *bytes = reinterpret_cast<const uchar *>(raster.constData());
    for (int y = 0; y < BoardSize; ++y) {
        const uchar *row = bytes + y * UploadRasterRowBytes;
        uchar *out = &mask.m_bits[mask.index(0, y)];
        for (int x = 0; x < BoardSize; ++x) out[x] = (row[x >> 3] >> (7 - (x & 7))) & 1;
    }
    return mask;
}

BurnMask BurnMask::fromRendering(const QImage &mono)
{
    if (mono.format() != QImage::Format_Mono) return BurnMask(0, 0);
    BurnMask mask(mono.width(), mono.height());
    for (int y = 0; y < mono.height(); ++y) {
        const uchar *row = mono.constScanLine(y);
        uchar *out = &mask.m_bits[mask.index(0, y)];
        for (int x = 0; x < mono.width(); ++x) out[x] = !((row[x >> 3] >> (7 - (x & 7))) & 1);
    }
    return mask;
}

void BurnMask::rowPatterns(int y, DotFootprint::Pattern *out) const
{
    const uchar *above = &m_bits[index(-1, y - 1)];
    const uchar *here = &m_bits[index(-1, y)];
    const uchar *below = &m_bits[index(-1, y + 1)];
    const auto column = [&](int i) {
        return DotFootprint::Pattern(above[i] | here[i] << 1 | below[i] << 2);
    };
    // Columns x - 1, x and x + 1 in bits 0-2, 3-5 and 6-8; each step drops the leftmost.
    DotFootprint::Pattern pattern = column(0) << 3 | column(1) << 6;
    for (int x = 0; x < m_width; ++x) {
        pattern = (pattern >> 3) | column(x + 2) << 6;
        out[x] = pattern;
    }
}

double meanDarkness(const BurnMask &mask, const DotFootprint &footprint, QRect area)
{
    area &= QRect(0, 0, mask.width(), mask.height());
    if (area.isEmpty()) return 0;
    std::vector<DotFootprint::Pattern> patterns(std::size_t(mask.width()));
    double sum = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        mask.rowPatterns(y, patterns.data());
        for (int x = area.left(); x <= area.right(); ++x)
            sum += footprint.darkness(patterns[std::size_t(x)]);
    }
    return sum / (double(area.width()) * area.height());
}

}  // namespace tavro::render
