#include "job/trace_overlay.h"

#include "job/raster_constants.h"

namespace tavro::job {

TraceOverlay::TraceOverlay(QObject *parent) : QObject(parent), m_points(BoardSize * BoardSize) {}

bool TraceOverlay::contains(int x, int y) const
{
    if (x < 0 || y < 0 || x >= BoardSize || y >= BoardSize) return false;
    return m_points.testBit(y * BoardSize + x);
}

void TraceOverlay::add(int x, int y)
{
    if (x < 0 || y < 0 || x >= BoardSize || y >= BoardSize) return;
    const qsizetype bit = qsizetype(y) * BoardSize + x;
    if (m_points.testBit(bit)) return;
    m_points.setBit(bit);
    ++m_count;
    emit pointAdded(QPoint(x, y));
}

void TraceOverlay::clear()
{
    if (m_count == 0) return;
    m_points.fill(false);
    m_count = 0;
    emit cleared();
}

}  // namespace tavro::job
