#include "render/render_dither.h"

#include "render/pixel_rules.h"
#include "render/raster_constants.h"

#include <QtGlobal>

#include <array>
#include <bit>
#include <vector>

namespace tavro::render {

namespace {

// Cells [y][x] with 0 <= x, y <= S; row and column 0 stay unused so the indices
// are the pixel coordinates.
class ErrorGrid {
public:
    explicit ErrorGrid(int size) : m_side(size + 1), m_cells(size_t(m_side) * size_t(m_side), 0) {}

    qint16 *row(int y) { return m_cells.data() + size_t(y) * size_t(m_side); }

private:
    int m_side;
    std::vector<qint16> m_cells;
};

// One bit per decided cell of a row, set for a dot; bit x % 64 of word x / 64.
using RowDots = std::array<quint64, ErrorGridCapacity / 64 + 1>;

// Blue levels of pixels 1..S, clamped to paper white at WhiteClampLevel.
void loadLevels(const QImage &snapshot, int size, ErrorGrid &grid)
{
    const QImage source = asArgb32(snapshot);
    const int width = qMin(source.width(), size + 1);
    const int height = qMin(source.height(), size + 1);
    for (int y = 1; y < height; ++y) {
        const auto *pixels = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        qint16 *cells = grid.row(y);
        for (int x = 1; x < width; ++x) {
            const int level = blueLevel(pixels[x]);
            cells[x] = qint16(level >= WhiteClampLevel ? 255 : level);
        }
        // Columns past the snapshot's edge read as black: level 0, already there.
    }
}

// old + share in double precision, truncated toward zero. With share = e*3/8 or
// e/4 this equals the integer quotient below exactly, as C++ division truncates
// toward zero too.
inline qint16 addThreeEighths(qint16 cell, int error)
{
    return qint16((8 * cell + 3 * error) / 8);
}

inline qint16 addQuarter(qint16 cell, int error)
{
    return qint16((4 * cell + error) / 4);
}

// One row being decided: cells 1..S-1 of `cells`, spreading error into `cells`
// and `below`. The decision is a select, not a branch: on pictures it is close to
// random, and mispredictions would cost more than the arithmetic. The cell to the
// right, the next cell below and the word of dot bits are carried in registers;
// each addition is still truncated on its own, in the original order.
class RowPass {
public:
    RowPass(qint16 *cells, qint16 *below, RowDots &dots)
        : m_cells(cells), m_below(below), m_dots(dots), m_level(cells[1]), m_belowHere(below[1])
    {
    }

    void step(int x)
    {
        const bool dot = m_level <= DitherThreshold;
        const int error = dot ? m_level : m_level - 255;
        m_word |= quint64(dot) << (x & 63);
        if ((x & 63) == 63) {
            m_dots[size_t(x) >> 6] = m_word;
            m_word = 0;
        }
        m_below[x] = addThreeEighths(m_belowHere, error);
        m_belowHere = addQuarter(m_below[x + 1], error);
        m_level = addThreeEighths(m_cells[x + 1], error);
        m_cells[x + 1] = m_level;
    }

    void finish(int size)
    {
        const int last = size - 1;
        if ((last & 63) != 63) m_dots[size_t(last) >> 6] = m_word;
        m_below[size] = m_belowHere;
    }

private:
    qint16 *m_cells;
    qint16 *m_below;
    RowDots &m_dots;
    qint16 m_level;
    qint16 m_belowHere;
    quint64 m_word = 0;
};

void decideRow(ErrorGrid &grid, int y, int size, RowDots &dots)
{
    RowPass row(grid.row(y), grid.row(y + 1), dots);
    for (int x = 1; x < size; ++x) row.step(x);
    row.finish(size);
}

// Rows y and y + 1 at once, the lower two cells behind: by then every cell it reads
// is final, and each cell still receives its shares in the sequential order. Two
// independent chains of arithmetic run side by side.
void decideTwoRows(ErrorGrid &grid, int y, int size, RowDots &upperDots, RowDots &lowerDots)
{
    const int last = size - 1;
    RowPass upper(grid.row(y), grid.row(y + 1), upperDots);
    for (int x = 1; x <= qMin(2, last); ++x) upper.step(x);
    if (last <= 2) upper.finish(size);
    RowPass lower(grid.row(y + 1), grid.row(y + 2), lowerDots);
    for (int x = 3; x <= last; ++x) {
        upper.step(x);
        lower.step(x - 2);
    }
    if (last > 2) upper.finish(size);
    for (int x = qMax(1, last - 1); x <= last; ++x) lower.step(x);
    lower.finish(size);
}

// The callbacks of one row, in scan order. Inlined: called twice a row pair, and a call here
// costs the chooser's redraw about a third of its time.
Q_ALWAYS_INLINE void reportRow(const RowDots &dots, int y, int size, const PutDot &putDot,
                               const AfterWhite &afterWhite)
{
    if (afterWhite) {
        for (int x = 1; x < size; ++x) {
            if (!(dots[size_t(x) >> 6] >> (x & 63) & 1))
                afterWhite();
            else if (putDot)
                putDot(x, y);
        }
        return;
    }
    if (!putDot) return;
    for (size_t word = 0; word < dots.size(); ++word) {
        for (quint64 bits = dots[word]; bits != 0; bits &= bits - 1)
            putDot(int(word * 64) + std::countr_zero(bits), y);
    }
}

}  // namespace

void renderDither(const QImage &snapshot, int processingSize, const PutDot &putDot,
                  const AfterWhite &afterWhite)
{
    const int size = processingSize;
    if (size < 1 || size > ErrorGridCapacity) return;
    ErrorGrid grid(size);
    loadLevels(snapshot, size, grid);
    RowDots upper{};  // words past the last cell stay empty
    RowDots lower{};
    int y = 1;
    for (; y + 1 < size; y += 2) {
        decideTwoRows(grid, y, size, upper, lower);
        reportRow(upper, y, size, putDot, afterWhite);
        reportRow(lower, y + 1, size, putDot, afterWhite);
    }
    if (y < size) {
        decideRow(grid, y, size, upper);
        reportRow(upper, y, size, putDot, afterWhite);
    }
}

}  // namespace tavro::render
