#include "run/job_raster.h"

#include <bit>

namespace tavro::run {

namespace {
constexpr int RowBytes = JobRaster::Side / 8;
}

JobRaster::JobRaster(const QByteArray &raster)
{
    if (raster.size() != Side * RowBytes) return;
    m_bits = raster;
    const auto *bytes = reinterpret_cast<const unsigned char *>(m_bits.constData());
    for (int row = 0; row < Side; ++row) {
        int count = 0;
        for (int k = 0; k < RowBytes; ++k) count += std::popcount(bytes[row * RowBytes + k]);
        m_rowDots[row] = count;
    }
    for (int row = Side - 1; row >= 0; --row) {
        m_dotsFrom[row] = m_dotsFrom[row + 1] + m_rowDots[row];
        m_rowsFrom[row] = m_rowsFrom[row + 1] + (m_rowDots[row] > 0 ? 1 : 0);
    }
}

int JobRaster::dotsInRow(int row) const
{
    return row >= 0 && row < Side ? m_rowDots[row] : 0;
}

bool JobRaster::isDot(int x, int y) const
{
    if (!isValid() || x < 0 || y < 0 || x >= Side || y >= Side) return false;
    const auto byte = static_cast<unsigned char>(m_bits[y * RowBytes + x / 8]);
    return byte & (0x80 >> (x % 8));
}

int JobRaster::lastRowWithDots() const
{
    for (int row = Side - 1; row >= 0; --row)
        if (m_rowDots[row] > 0) return row;
    return -1;
}

CarveWork JobRaster::workFrom(int row) const
{
    if (!isValid()) return {};
    const int from = qBound(0, row, Side);
    const int rows = m_rowsFrom[from];
    return {m_dotsFrom[from], rows, Side - from - rows};
}

}  // namespace tavro::run
