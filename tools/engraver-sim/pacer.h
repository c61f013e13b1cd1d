// Holds a byte stream to a fixed rate (a token bucket with a small burst).
#pragma once

#include <QtGlobal>

#include <chrono>

namespace tavro::sim {

class Pacer {
public:
    using Clock = std::chrono::steady_clock;

    // A rate of 0 lets everything through.
    explicit Pacer(double bytesPerSecond = 0);

    bool limited() const { return m_rate > 0; }
    qsizetype allowance(Clock::time_point now) const;
    void consume(qsizetype bytes, Clock::time_point now);
    // When at least `bytes` more may pass.
    Clock::time_point availableAt(qsizetype bytes) const;

private:
    Clock::time_point base(Clock::time_point now) const;

    double m_rate;
    Clock::time_point m_readyAt{};
};

}  // namespace tavro::sim
