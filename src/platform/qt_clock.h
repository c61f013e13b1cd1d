// The program's clock: QTimer for timers, a short sleep for pauses, the steady clock for now().
#pragma once

#include "platform/clock.h"

namespace tavro::platform {

class QtClock final : public Clock {
public:
    std::unique_ptr<IntervalTimer> createTimer() override;
    void pause(std::chrono::milliseconds duration) override;
    std::chrono::microseconds now() const override;

private:
    std::chrono::steady_clock::time_point m_started = std::chrono::steady_clock::now();
};

}  // namespace tavro::platform
