#include "document/trace_overlay.h"

#include "render/raster_constants.h"

namespace tavro::document {

TraceOverlay::TraceOverlay(QObject *parent)
    : QObject(parent), m_points(render::BoardSize * render::BoardSize)
{
}

bool TraceOverlay::contains(int x, int y) const
{
    if (x < 0 || y < 0 || x >= render::BoardSize || y >= render::BoardSize) return false;
    return m_points.testBit(y * render::BoardSize + x);
}

void TraceOverlay::add(int x, int y)
{
    if (x < 0 || y < 0 || x >= render::BoardSize || y >= render::BoardSize) return;
    const qsizetype bit = qsizetype(y) * render::BoardSize + x;
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

}  // namespace tavro::document
