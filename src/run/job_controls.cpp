#include "run/job_controls.h"

#include "platform/logging.h"

using namespace Qt::Literals::StringLiterals;

namespace tavro::run {
namespace {

const QString ResetTime = u"00:00"_s;

QString twoDigits(int value)
{
    return value < 10 ? u"0"_s + QString::number(value) : QString::number(value);
}

}  // namespace

JobControls::JobControls(link::EngraverLink &link, link::MessageLog &log, platform::Clock &clock,
                         MachineControls &controls, platform::Prompter &prompter, QObject *parent)
    : QObject(parent),
      m_link(link),
      m_log(log),
      m_controls(controls),
      m_prompter(prompter),
      m_runClock(clock.createTimer()),
      m_burnTimeSettle(clock.createTimer())
{
    makeConnections();
}

void JobControls::makeConnections()
{
    m_runClock->onTick([this] { tickRunClock(); });
    m_burnTimeSettle->onTick([this] { sendKeyedBurnTime(); });
    connect(&m_link, &link::EngraverLink::identified, &m_controls,
            &MachineControls::enableMachineControls);
    connect(&m_link, &link::EngraverLink::disconnected, &m_controls,
            &MachineControls::disableMachineControls);
    // Without the machine there is no run to time.
    connect(&m_link, &link::EngraverLink::broken, this, &JobControls::stopRunClock);
    connect(&m_link, &link::EngraverLink::disconnected, this, &JobControls::stopRunClock);
    connect(&m_link, &link::EngraverLink::uploadFinished, this, [this](bool written) {
        if (written) m_controls.enableMachineControls();
    });
}

void JobControls::carveEnded()
{
    m_log.logLine(u"Carved finish !"_s);
    stopRunClock();  // the label keeps the time the job took
    m_controls.resetLocationControls();
}

void JobControls::start()
{
    const bool sent = m_link.startCarving();
    m_controls.resetLocationControls();
    m_controls.lockLocationControls();
    // A start after a pause goes on counting.
    m_runClock->setInterval(RunClockInterval);
    if (sent) emit startSent();
}

void JobControls::pause()
{
    const bool sent = m_link.pauseCarving();
    m_runClock->stop();
    if (sent) emit pauseSent();
}

void JobControls::recarve()
{
    const bool sent = m_link.recarveJob();
    m_runSeconds = 0;
    m_runClock->setInterval(RunClockInterval);
    emit runTimeChanged(ResetTime);
    if (sent) emit recarveSent();
}

void JobControls::restart()
{
    const bool sent = m_link.restartJob();
    m_controls.enableMachineControls();
    m_runSeconds = 0;
    m_runClock->stop();
    emit runTimeChanged(ResetTime);
    emit positionFieldsReset();
    if (sent) emit restartSent();
}

void JobControls::fastBackward()
{
    if (m_link.skipRowsBackward()) emit skipSent(-SkipRows);
}

void JobControls::fastForward()
{
    if (m_link.skipRowsForward()) emit skipSent(SkipRows);
}

void JobControls::powerOff()
{
    const bool confirmed = m_prompter.confirm(
        u"1. After shutdown, the software will automatically shut down\r\n"
        u"2. Restart the software and the connection is successful will automatically boot\r\n"
        u"Determine shutdown?"_s,
        u"Message"_s);
    if (!confirmed) return;
    // The program stays when the frame could not go out: the machine is still on.
    if (m_link.powerOff()) emit endRequested();
}

bool JobControls::prepareUpload(const QByteArray &raster)
{
    qCInfo(lcJob) << "image block prepared";
    if (!m_link.requestNewImage(raster)) return false;
    emit newImageSent();
    return true;
}

void JobControls::pictureDropped()
{
    pause();
    m_controls.keepOnlyPictureControls();
    resetRunTime();
}

void JobControls::boardCleared()
{
    m_controls.enableMachineControls();
    emit positionFieldsReset();
}

void JobControls::burnTimeReleased(int position)
{
    // The release sends the slider as it is; a keyed change still waiting is part of it.
    m_keyedBurnTime.reset();
    m_burnTimeSettle->stop();
    sendBurnTime(position);
}

void JobControls::burnTimeKeyed(int position)
{
    m_keyedBurnTime = position;
    m_burnTimeSettle->stop();  // a restart, even at the same interval
    m_burnTimeSettle->setInterval(BurnTimeSettle);
}

void JobControls::burnTimeKeysLetGo()
{
    if (!m_keyedBurnTime) return;
    m_burnTimeSettle->stop();
    m_burnTimeSettle->setInterval(KeysLetGoGrace);
}

void JobControls::sendKeyedBurnTime()
{
    m_burnTimeSettle->stop();
    if (const std::optional<int> position = std::exchange(m_keyedBurnTime, std::nullopt))
        sendBurnTime(*position);
}

void JobControls::sendBurnTime(int position)
{
    if (!m_link.setBurnTime(position)) return;
    if (position == document::BurnTimeRange.max) {
        m_log.logLine(
            u"Press the button on the machine can continue to increase the burning time"_s);
    }
    // What the machine stores: the frame carries the low 8 bits.
    emit burnTimeSent(position & 0xFF);
}

void JobControls::tickRunClock()
{
    ++m_runSeconds;
    emit runTimeChanged(runTimeText(m_runSeconds));
}

void JobControls::resetRunTime()
{
    m_runSeconds = 0;
    emit runTimeChanged(ResetTime);
}

QString JobControls::runTimeText(int seconds)
{
    // The leading blank is part of the ticking format; the reset text has none.
    return u" "_s + twoDigits(seconds / 60) + u":"_s + twoDigits(seconds % 60);
}

}  // namespace tavro::run
