#include "platform/manual_clock.h"

#include <algorithm>

namespace tavro::platform {

class ManualClock::Timer final : public IntervalTimer {
public:
    explicit Timer(ManualClock *clock) : m_clock(clock) { m_clock->m_timers.push_back(this); }
    ~Timer() override
    {
        if (!m_clock) return;
        auto &timers = m_clock->m_timers;
        timers.erase(std::remove(timers.begin(), timers.end(), this), timers.end());
    }

    void setInterval(std::chrono::milliseconds interval) override
    {
        const std::int64_t ms = interval.count();
        if (ms <= 0) {
            m_interval = 0;
            return;
        }
        if (ms == m_interval) return;
        m_interval = ms;
        m_due = m_clock->m_now + ms;
    }
    std::chrono::milliseconds interval() const override
    {
        return std::chrono::milliseconds(m_interval);
    }

    void tick()
    {
        m_due += m_interval;
        fire();
    }

    ManualClock *m_clock;
    std::int64_t m_interval = 0;
    std::int64_t m_due = 0;
};

ManualClock::ManualClock() = default;

ManualClock::~ManualClock()
{
    for (Timer *timer : m_timers) timer->m_clock = nullptr;
}

std::unique_ptr<IntervalTimer> ManualClock::createTimer()
{
    return std::make_unique<Timer>(this);
}

void ManualClock::pause(std::chrono::milliseconds duration)
{
    m_pauses.push_back(duration);
    if (duration.count() > 0) m_now += duration.count();
}

ManualClock::Timer *ManualClock::nextDue(std::int64_t limit) const
{
    Timer *next = nullptr;
    for (Timer *timer : m_timers) {
        if (timer->m_interval <= 0 || timer->m_due > limit) continue;
        if (!next || timer->m_due < next->m_due) next = timer;
    }
    return next;
}

void ManualClock::advance(std::chrono::milliseconds duration)
{
    const std::int64_t target = m_now + std::max<std::int64_t>(duration.count(), 0);
    while (Timer *timer = nextDue(target)) {
        m_now = std::max(m_now, timer->m_due);
        timer->tick();
    }
    m_now = std::max(m_now, target);
}

}  // namespace tavro::platform
