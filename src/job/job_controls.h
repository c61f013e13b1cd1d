// Start, pause, restart, recarve, skip rows, burn time, power off, and the run clock.
#pragma once

#include "job/board_canvas.h"
#include "job/job_view.h"
#include "link/engraver_link.h"
#include "platform/clock.h"

#include <memory>

namespace tavro::job {

class JobControls {
public:
    static constexpr int RunClockInterval = 1000;
    static constexpr int MaxBurnTime = 100;

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
    // Left button released over the slider: the only place the burn time is sent.
    void BurnTimeReleased(int position);

    void TickRunClock();
    void StopRunClock() { m_runClock->stop(); }
    // RunSeconds to 0 and the label to "00:00" (a drop does this after pausing).
    void ResetRunTime();

    int RunSeconds() const { return m_runSeconds; }
    const platform::IntervalTimer &runClock() const { return *m_runClock; }

    static QString RunTimeText(int seconds);

private:
    link::EngraverLink &m_link;
    JobView &m_view;
    std::unique_ptr<platform::IntervalTimer> m_runClock;
    int m_runSeconds = 0;
};

}  // namespace tavro::job
