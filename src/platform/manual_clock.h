// A clock that only moves when told to: for tests and benchmarks.
#pragma once

#include "platform/clock.h"

#include <cstdint>
#include <vector>

namespace tavro::platform {

class ManualClock final : public Clock {
public:
    ManualClock();
    ~ManualClock() override;

    std::unique_ptr<IntervalTimer> createTimer() override;
    // Pauses do not block; they move the clock and are recorded.
    void pause(std::chrono::milliseconds duration) override;

    // Moves time forward, firing every tick that falls due, in time order
    // (timers due at the same moment fire in the order they were created).
    void advance(std::chrono::milliseconds duration);
    std::chrono::microseconds now() const override { return std::chrono::milliseconds(m_now); }
    const std::vector<std::chrono::milliseconds> &pauses() const { return m_pauses; }

private:
    class Timer;
    friend class Timer;
    Timer *nextDue(std::int64_t limit) const;

    std::int64_t m_now = 0;
    std::vector<Timer *> m_timers;
    std::vector<std::chrono::milliseconds> m_pauses;
};

}  // namespace tavro::platform
