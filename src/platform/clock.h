// Timers and pauses as the logic sees them, so tests can drive time by hand.
#pragma once

#include <chrono>
#include <functional>
#include <memory>

namespace tavro::platform {

// A timer that runs while its interval is positive. Setting the interval it
// already has changes nothing (the running period is not restarted), 0 or a
// negative value stops it, any other value restarts it with the new period.
class IntervalTimer {
public:
    virtual ~IntervalTimer() = default;
    virtual void setInterval(std::chrono::milliseconds interval) = 0;
    virtual std::chrono::milliseconds interval() const = 0;
    bool isRunning() const { return interval() > std::chrono::milliseconds::zero(); }
    void stop() { setInterval(std::chrono::milliseconds::zero()); }
    void onTick(std::function<void()> handler) { m_tick = std::move(handler); }

protected:
    void fire()
    {
        if (m_tick) m_tick();
    }

private:
    std::function<void()> m_tick;
};

// Makes timers, blocks the calling handler for short fixed pauses, and tells the time.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::unique_ptr<IntervalTimer> createTimer() = 0;
    virtual void pause(std::chrono::milliseconds duration) = 0;
    // Monotonic time since an arbitrary start: for measuring how long things take.
    virtual std::chrono::microseconds now() const = 0;
};

}  // namespace tavro::platform
