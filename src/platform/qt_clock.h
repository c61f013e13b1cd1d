// The program's clock: QTimer for timers, a short sleep for pauses.
#pragma once

#include "platform/clock.h"

namespace tavro::platform {

class QtClock final : public Clock {
public:
    std::unique_ptr<IntervalTimer> createTimer() override;
    void pause(std::chrono::milliseconds duration) override;
};

}  // namespace tavro::platform
