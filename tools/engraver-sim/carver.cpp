#include "engraver-sim/carver.h"

#include <algorithm>

namespace tavro::sim {

Carver::Carver()
{
    erase();
}

void Carver::load(const QByteArray &raster)
{
    if (raster.size() == ImageBytes)
        m_image = raster;
    else
        erase();
    rewind();
}

void Carver::erase()
{
    m_image = QByteArray(ImageBytes, '\0');
    rewind();
}

bool Carver::isBurn(int x, int y) const
{
    if (x < 0 || y < 0 || x >= Side || y >= Side) return false;
    const auto byte = static_cast<uchar>(m_image.at(y * RowBytes + x / 8));
    return byte & (0x80 >> (x % 8));
}

void Carver::rewind()
{
    m_row = 0;
    m_column = 0;
    m_rowStarted = false;
    m_blankRows = 0;
}

void Carver::skipRows(int rows)
{
    m_row = std::clamp(m_row + rows, 0, Side);
    m_column = 0;
    m_rowStarted = false;
    m_blankRows = 0;
}

std::optional<Carver::Dot> Carver::next()
{
    const auto *bytes = reinterpret_cast<const uchar *>(m_image.constData());
    while (m_row < Side) {
        const uchar *line = bytes + m_row * RowBytes;
        while (m_column < Side) {
            const uchar byte = line[m_column / 8];
            if (byte == 0) {
                m_column = (m_column / 8 + 1) * 8;
                continue;
            }
            const int x = m_column++;
            if (!(byte & (0x80 >> (x % 8)))) continue;
            const bool first = !m_rowStarted;
            m_rowStarted = true;
            return Dot{x, m_row, first};
        }
        if (!m_rowStarted) ++m_blankRows;
        ++m_row;
        m_column = 0;
        m_rowStarted = false;
    }
    return std::nullopt;
}

QRect Carver::burnBounds() const
{
    int left = Side, top = Side, right = -1, bottom = -1;
    for (int y = 0; y < Side; ++y) {
        for (int x = 0; x < Side; ++x) {
            if (!isBurn(x, y)) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0) return {};
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

}  // namespace tavro::sim
