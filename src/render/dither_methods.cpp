#include "render/dither_methods.h"

#include <QtGlobal>

#include <algorithm>
#include <array>
#include <vector>

namespace tavro::render {
namespace {

struct Share {
    int dx;
    int dy;
    int weight;
};

template <size_t N>
struct Kernel {
    int divisor;
    std::array<Share, N> shares;
};

// Shares as (dx, dy, weight), laid out as they sit around the pixel.
// clang-format off
constexpr Kernel<4> FloydSteinberg{16, {{
                           {1, 0, 7},
    {-1, 1, 3}, {0, 1, 5}, {1, 1, 1}}}};
// Only 6/8 of the error is passed on.
constexpr Kernel<6> Atkinson{8, {{
                           {1, 0, 1}, {2, 0, 1},
    {-1, 1, 1}, {0, 1, 1}, {1, 1, 1},
                {0, 2, 1}}}};
constexpr Kernel<12> JarvisJudiceNinke{48, {{
                                       {1, 0, 7}, {2, 0, 5},
    {-2, 1, 3}, {-1, 1, 5}, {0, 1, 7}, {1, 1, 5}, {2, 1, 3},
    {-2, 2, 1}, {-1, 2, 3}, {0, 2, 5}, {1, 2, 3}, {2, 2, 1}}}};
constexpr Kernel<12> Stucki{42, {{
                                       {1, 0, 8}, {2, 0, 4},
    {-2, 1, 2}, {-1, 1, 4}, {0, 1, 8}, {1, 1, 4}, {2, 1, 2},
    {-2, 2, 1}, {-1, 2, 2}, {0, 2, 4}, {1, 2, 2}, {2, 2, 1}}}};
// The two zero weights of the third row are left out.
constexpr Kernel<10> Sierra{32, {{
                                       {1, 0, 5}, {2, 0, 3},
    {-2, 1, 2}, {-1, 1, 4}, {0, 1, 5}, {1, 1, 4}, {2, 1, 2},
                {-1, 2, 2}, {0, 2, 3}, {1, 2, 2}}}};
// clang-format on

// Kernels reach at most two cells sideways and two rows down.
constexpr int Reach = 2;

using BayerMatrix = std::array<std::array<int, 8>, 8>;

// M1 = [[0, 2], [3, 1]]; M2n = [[4M, 4M + 2], [4M + 3, 4M + 1]] as blocks.
constexpr BayerMatrix makeBayerMatrix()
{
    BayerMatrix m{};
    for (int n = 1; n < 8; n *= 2) {
        const BayerMatrix previous = m;
        for (int y = 0; y < 2 * n; ++y)
            for (int x = 0; x < 2 * n; ++x) {
                constexpr int offsets[2][2] = {{0, 2}, {3, 1}};
                m[size_t(y)][size_t(x)] =
                    4 * previous[size_t(y % n)][size_t(x % n)] + offsets[y / n][x / n];
            }
    }
    return m;
}

// g < 4 (M + 0.5) for a whole level g is g < 4 M + 2.
constexpr BayerMatrix makeBayerLimits()
{
    BayerMatrix limits = makeBayerMatrix();
    for (auto &row : limits)
        for (int &limit : row) limit = 4 * limit + 2;
    return limits;
}

constexpr BayerMatrix BayerLimits = makeBayerLimits();

bool isGrey(const QImage &grey)
{
    return !grey.isNull() && grey.format() == QImage::Format_Grayscale8;
}

// A white Format_Mono image of the grey picture's size, or null.
QImage whiteMono(const QImage &grey)
{
    QImage mono(grey.size(), QImage::Format_Mono);
    if (mono.isNull()) return {};
    mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    mono.fill(1);
    return mono;
}

// One row of black flags (non-zero = black) into its Format_Mono scan line.
void packRow(const uchar *black, int width, uchar *out)
{
    for (int x = 0; x < width; x += 8) {
        unsigned bits = 0;
        const int count = qMin(8, width - x);
        for (int i = 0; i < count; ++i) bits |= unsigned(!black[x + i]) << (7 - i);
        out[x >> 3] = uchar(bits);
    }
}

// Rules that decide each pixel on its own level and place: isBlack(level, x, y).
template <typename Rule>
QImage decideEach(const QImage &grey, Rule isBlack)
{
    if (!isGrey(grey)) return {};
    QImage mono = whiteMono(grey);
    if (mono.isNull()) return {};
    const int width = grey.width();
    const int height = grey.height();
    std::vector<uchar> black(size_t(width), 0);
    for (int y = 0; y < height; ++y) {
        const uchar *levels = grey.constScanLine(y);
        for (int x = 0; x < width; ++x) black[size_t(x)] = uchar(isBlack(levels[x], x, y));
        packRow(black.data(), width, mono.scanLine(y));
    }
    return mono;
}

// Row buffers of accumulated error for rows y, y + 1 and y + 2, each padded by Reach
// cells on both sides so shares beyond the left and right edges land somewhere
// harmless; shares below the last row go to buffers that are never read.
template <const auto &kernel>
QImage diffuse(const QImage &grey)
{
    QImage mono = whiteMono(grey);
    if (mono.isNull()) return {};
    const int width = grey.width();
    const size_t span = size_t(width + 2 * Reach);
    std::array<std::vector<double>, Reach + 1> buffers;
    for (auto &buffer : buffers) buffer.assign(span, 0.0);
    std::array<double *, Reach + 1> rows{};
    for (size_t i = 0; i < rows.size(); ++i) rows[i] = buffers[i].data() + Reach;
    const int height = grey.height();
    std::vector<uchar> black(size_t(width), 0);

    for (int y = 0; y < height; ++y) {
        const uchar *levels = grey.constScanLine(y);
        for (int x = 0; x < width; ++x) {
            const double value = levels[x] + rows[0][x];
            const bool isBlack = value < 128.0;
            const double error = value - (isBlack ? 0.0 : 255.0);
            for (const Share &share : kernel.shares)
                rows[size_t(share.dy)][x + share.dx] += error * share.weight / kernel.divisor;
            black[size_t(x)] = uchar(isBlack);
        }
        packRow(black.data(), width, mono.scanLine(y));
        std::rotate(rows.begin(), rows.begin() + 1, rows.end());
        std::fill_n(rows[Reach] - Reach, span, 0.0);
    }
    return mono;
}

}  // namespace

QImage renderThreshold(const QImage &grey, int threshold)
{
    return decideEach(grey, [threshold](int level, int, int) { return level < threshold; });
}

QImage renderErrorDiffusion(const QImage &grey, Effect effect)
{
    if (!isGrey(grey)) return {};
    switch (effect) {
    case Effect::FloydSteinberg:
        return diffuse<FloydSteinberg>(grey);
    case Effect::Atkinson:
        return diffuse<Atkinson>(grey);
    case Effect::JarvisJudiceNinke:
        return diffuse<JarvisJudiceNinke>(grey);
    case Effect::Stucki:
        return diffuse<Stucki>(grey);
    case Effect::Sierra:
        return diffuse<Sierra>(grey);
    default:
        return {};
    }
}

QImage renderBayer(const QImage &grey)
{
    return decideEach(grey, [](int level, int x, int y) {
        return level < BayerLimits[size_t(y & 7)][size_t(x & 7)];
    });
}

QImage renderGreyEffect(const QImage &grey, Effect effect, int threshold)
{
    switch (effect) {
    case Effect::BlackWhite:
    case Effect::Threshold:
        return renderThreshold(grey, threshold);
    case Effect::Bayer:
        return renderBayer(grey);
    case Effect::Dither:
        return {};
    default:
        return renderErrorDiffusion(grey, effect);
    }
}

}  // namespace tavro::render
