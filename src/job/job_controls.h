// Start, pause, restart, recarve, skip rows, burn time, power off, and the run clock.
#pragma once

#include "job/board_canvas.h"
#include "job/job_view.h"
#include "link/engraver_link.h"
#include "platform/clock.h"

#include <chrono>
#include <memory>
#include <optional>

namespace tavro::job {

class JobControls {
public:
    static constexpr int RunClockInterval = 1000;
    static constexpr int MaxBurnTime = 100;
    static constexpr std::chrono::milliseconds BurnTimeSettle{300};
    // A held key comes up and goes down again at once; only a key that stays up is let go.
    static constexpr std::chrono::milliseconds KeysLetGoGrace{30};

    JobControls(link::EngraverLink &link, platform::Clock &clock, JobView &view);

    void Start();
    void Pause();
    void Recarve();
    void Restart();
    void FastBackward();
    void FastForward();
    void PowerOff();
    // The send button: erase the machine's image and pack the board as the next block.
    void PrepareUpload(const BoardCanvas &board);

    // The slider moved (mouse or keyboard): the label follows, nothing is sent.
    void BurnTimeChanged(int position);
    // Left button released over the slider: the burn time is sent at once.
    void BurnTimeReleased(int position);
    // A change made with the keys or the wheel is sent too, once: shortly after the keys
    // are let go, or when no further change came for a while.
    void BurnTimeKeyed(int position);
    void BurnTimeKeysLetGo();

    void TickRunClock();
    void StopRunClock() { m_runClock->stop(); }
    // RunSeconds to 0 and the label to "00:00" (a drop does this after pausing).
    void ResetRunTime();

    int RunSeconds() const { return m_runSeconds; }
    const platform::IntervalTimer &runClock() const { return *m_runClock; }

    static QString RunTimeText(int seconds);

private:
    void sendBurnTime(int position);
    void sendKeyedBurnTime();

    link::EngraverLink &m_link;
    JobView &m_view;
    std::unique_ptr<platform::IntervalTimer> m_runClock;
    int m_runSeconds = 0;
    std::unique_ptr<platform::IntervalTimer> m_burnTimeSettle;
    std::optional<int> m_keyedBurnTime;
};

}  // namespace tavro::job
