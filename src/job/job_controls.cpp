#include "job/job_controls.h"

#include "job/upload_raster.h"

#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace tavro::job {
namespace {

const QString ResetTime = u"00:00"_s;

QString twoDigits(int value)
{
    return value < 10 ? u"0"_s + QString::number(value) : QString::number(value);
}

}  // namespace

JobControls::JobControls(link::EngraverLink &link, platform::Clock &clock, JobView &view)
    : m_link(link),
      m_view(view),
      m_runClock(clock.createTimer()),
      m_burnTimeSettle(clock.createTimer())
{
    m_runClock->onTick([this] { TickRunClock(); });
    m_burnTimeSettle->onTick([this] { sendKeyedBurnTime(); });
}

void JobControls::Start()
{
    m_link.StartCarving();
    m_view.ResetLocationControls();
    m_view.LockLocationControls();
    // A start after a pause goes on counting.
    m_runClock->setInterval(RunClockInterval);
}

void JobControls::Pause()
{
    m_link.PauseCarving();
    m_runClock->stop();
}

void JobControls::Recarve()
{
    m_link.RecarveJob();
    m_runSeconds = 0;
    m_runClock->setInterval(RunClockInterval);
    m_view.setRunTimeText(ResetTime);
}

void JobControls::Restart()
{
    m_link.RestartJob();
    m_view.EnableMachineControls();
    m_runSeconds = 0;
    m_runClock->stop();
    m_view.setRunTimeText(ResetTime);
    m_view.setPositionFields(u"000"_s, u"000"_s);
}

void JobControls::FastBackward()
{
    m_link.SkipRowsBackward();
}

void JobControls::FastForward()
{
    m_link.SkipRowsForward();
}

void JobControls::PowerOff()
{
    const int answer = m_view.askOkCancel(
        u"1. After shutdown, the software will automatically shut down\r\n"
        u"2. Restart the software and the connection is successful will automatically boot\r\n"
        u"Determine shutdown?"_s,
        u"Message"_s);
    if (answer != 0) return;
    m_link.PowerOff();
    m_view.endProgram();
}

void JobControls::PrepareUpload(const BoardCanvas &board)
{
    // Packed before the erase command goes out, so the block is whole whenever
    // the machine's request is taken.
    m_link.setUploadRaster(PackUploadRaster(board.Snapshot()));
    m_link.RequestNewImage();
}

void JobControls::BurnTimeChanged(int position)
{
    m_view.setBurnTimeText(QString::number(position));
}

void JobControls::BurnTimeReleased(int position)
{
    // The release sends the slider as it is; a keyed change still waiting is part of it.
    m_keyedBurnTime.reset();
    m_burnTimeSettle->stop();
    sendBurnTime(position);
}

void JobControls::BurnTimeKeyed(int position)
{
    m_keyedBurnTime = position;
    m_burnTimeSettle->stop();  // a restart, even at the same interval
    m_burnTimeSettle->setInterval(int(BurnTimeSettle.count()));
}

void JobControls::BurnTimeKeysLetGo()
{
    if (!m_keyedBurnTime) return;
    m_burnTimeSettle->stop();
    m_burnTimeSettle->setInterval(int(KeysLetGoGrace.count()));
}

void JobControls::sendKeyedBurnTime()
{
    m_burnTimeSettle->stop();
    if (const std::optional<int> position = std::exchange(m_keyedBurnTime, std::nullopt))
        sendBurnTime(*position);
}

void JobControls::sendBurnTime(int position)
{
    m_link.SetBurnTime(position);
    if (position == MaxBurnTime) {
        m_link.LogLine(u"Press the button on the machine can continue to increase the burning time"_s);
    }
}

void JobControls::TickRunClock()
{
    ++m_runSeconds;
    m_view.setRunTimeText(RunTimeText(m_runSeconds));
}

void JobControls::ResetRunTime()
{
    m_runSeconds = 0;
    m_view.setRunTimeText(ResetTime);
}

QString JobControls::RunTimeText(int seconds)
{
    // The leading blank is part of the ticking format; the reset text has none.
    return u" "_s + twoDigits(seconds / 60) + u":"_s + twoDigits(seconds % 60);
}

}  // namespace tavro::job
