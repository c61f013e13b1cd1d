#include "job/job_controls.h"

#include "job/upload_raster.h"

using namespace Qt::Literals::StringLiterals;

namespace tavro::job {
namespace {

const QString ResetTime = u"00:00"_s;

QString twoDigits(int value)
{
    return value < 10 ? u"0"_s + QString::number(value) : QString::number(value);
}

}  // namespace

JobControls::JobControls(link::EngraverLink &link, platform::Clock &clock,
                         MachineControls &controls, platform::Prompter &prompter, QObject *parent)
    : QObject(parent),
      m_link(link),
      m_controls(controls),
      m_prompter(prompter),
      m_runClock(clock.createTimer())
{
    makeConnections();
}

void JobControls::makeConnections()
{
    m_runClock->onTick([this] { TickRunClock(); });
    connect(&m_link, &link::EngraverLink::identified, &m_controls,
            &MachineControls::EnableMachineControls);
    connect(&m_link, &link::EngraverLink::disconnected, &m_controls,
            &MachineControls::DisableMachineControls);
    connect(&m_link, &link::EngraverLink::uploadFinished, this, [this](bool written) {
        if (written) m_controls.EnableMachineControls();
    });
    connect(&m_link, &link::EngraverLink::carveDone, this, [this] {
        StopRunClock();  // the label keeps the time the job took
        m_controls.ResetLocationControls();
    });
}

void JobControls::Start()
{
    m_link.StartCarving();
    m_controls.ResetLocationControls();
    m_controls.LockLocationControls();
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
    emit runTimeChanged(ResetTime);
}

void JobControls::Restart()
{
    m_link.RestartJob();
    m_controls.EnableMachineControls();
    m_runSeconds = 0;
    m_runClock->stop();
    emit runTimeChanged(ResetTime);
    emit positionFieldsReset();
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
    const bool confirmed = m_prompter.confirm(
        u"1. After shutdown, the software will automatically shut down\r\n"
        u"2. Restart the software and the connection is successful will automatically boot\r\n"
        u"Determine shutdown?"_s,
        u"Message"_s);
    if (!confirmed) return;
    // The program stays when the frame could not go out: the machine is still on.
    if (m_link.PowerOff()) emit endRequested();
}

void JobControls::PrepareUpload(const QImage &board)
{
    // Packed before the erase command goes out, so the block is whole whenever
    // the machine's request is taken.
    m_link.setUploadRaster(PackUploadRaster(board));
    m_link.RequestNewImage();
}

void JobControls::PictureDropped()
{
    Pause();
    m_controls.KeepOnlyPictureControls();
    ResetRunTime();
}

void JobControls::BoardCleared()
{
    m_controls.EnableMachineControls();
    emit positionFieldsReset();
}

void JobControls::BurnTimeReleased(int position)
{
    if (m_link.SetBurnTime(position) && position == MaxBurnTime) {
        m_link.LogLine(
            u"Press the button on the machine can continue to increase the burning time"_s);
    }
}

void JobControls::TickRunClock()
{
    ++m_runSeconds;
    emit runTimeChanged(RunTimeText(m_runSeconds));
}

void JobControls::ResetRunTime()
{
    m_runSeconds = 0;
    emit runTimeChanged(ResetTime);
}

QString JobControls::RunTimeText(int seconds)
{
    // The leading blank is part of the ticking format; the reset text has none.
    return u" "_s + twoDigits(seconds / 60) + u":"_s + twoDigits(seconds % 60);
}

}  // namespace tavro::job
