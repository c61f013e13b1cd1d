#include "engraver-sim/pacer.h"

#include <algorithm>
#include <limits>

namespace tavro::sim {

namespace {
// Enough for a few wake-ups' worth, small enough to keep the timing honest.
constexpr double BurstBytes = 64;

Pacer::Clock::duration seconds(double s)
{
    return std::chrono::duration_cast<Pacer::Clock::duration>(std::chrono::duration<double>(s));
}
}  // namespace

Pacer::Pacer(double bytesPerSecond) : m_rate(std::max(0.0, bytesPerSecond)) {}

Pacer::Clock::time_point Pacer::base(Clock::time_point now) const
{
    return std::max(m_readyAt, now - seconds(BurstBytes / m_rate));
}

qsizetype Pacer::allowance(Clock::time_point now) const
{
    if (!limited()) return std::numeric_limits<qsizetype>::max();
    const std::chrono::duration<double> credit = now - base(now);
    return credit.count() <= 0 ? 0 : static_cast<qsizetype>(credit.count() * m_rate);
}

void Pacer::consume(qsizetype bytes, Clock::time_point now)
{
    if (!limited()) return;
    m_readyAt = base(now) + seconds(double(bytes) / m_rate);
}

Pacer::Clock::time_point Pacer::availableAt(qsizetype bytes) const
{
    if (!limited()) return Clock::time_point{};
    return m_readyAt + seconds(double(bytes) / m_rate);
}

}  // namespace tavro::sim
