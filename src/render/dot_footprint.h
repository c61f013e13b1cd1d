// What one burnt dot darkens: a disc of the dot's diameter over its own pixel and the eight
// around it, and how overlapping discs add up.
#pragma once

#include "render/picture_tuning.h"

#include <QByteArray>
#include <QImage>
#include <QRect>

#include <array>
#include <vector>

namespace tavro::render {

class DotFootprint {
public:
    // Bit (dx + 1) * 3 + (dy + 1) of a pattern: the neighbour at (dx, dy) burns.
    using Pattern = unsigned;
    static constexpr int Patterns = 512;

    // A diameter outside DotDiameterRange is taken as its nearest end.
    explicit DotFootprint(double diameter);

    double diameter() const { return m_diameter; }
    // The share of the pixel at (dx, dy), each in -1..1, that the disc of the dot at (0, 0)
    // covers.
    double cover(int dx, int dy) const { return m_cover[std::size_t((dx + 1) * 3 + dy + 1)]; }
    // How dark a pixel is whose neighbours burn as `pattern` says: each disc lets through what
    // it does not cover, as discs painted one over the other do.
    double darkness(Pattern pattern) const { return m_darkness[pattern & (Patterns - 1)]; }

private:
    double m_diameter;
    std::array<double, 9> m_cover{};
    std::array<double, Patterns> m_darkness{};
};

// Which pixels burn, one byte a pixel (1 = burn) with a blank pixel all around, so every
// pixel's neighbourhood can be read without edge cases.
class BurnMask {
public:
    BurnMask(int width, int height);
    // The board's pixels as the machine burns them (packUploadRaster's rule).
    static BurnMask fromRaster(const QByteArray &raster);
    // A rendering in the form of RenderBlackWhite: Format_Mono, index 0 burns.
    static BurnMask fromRendering(const QImage &mono);

    int width() const { return m_width; }
    int height() const { return m_height; }
    void set(int x, int y) { m_bits[index(x, y)] = 1; }
    bool burns(int x, int y) const { return m_bits[index(x, y)] != 0; }
    // The 3 x 3 pattern around each pixel of row y, left to right, into `out` (width() long).
    void rowPatterns(int y, DotFootprint::Pattern *out) const;

private:
    std::size_t index(int x, int y) const
    {
        return std::size_t(y + 1) * std::size_t(m_width + 2) + std::size_t(x + 1);
    }

    int m_width;
    int m_height;
    std::vector<uchar> m_bits;
};

// The mean darkness the footprint predicts over `area` of the mask (0 = material, 1 = burnt).
double meanDarkness(const BurnMask &mask, const DotFootprint &footprint, QRect area);

}  // namespace tavro::render
