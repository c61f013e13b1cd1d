#include "link/engraver_link.h"

using namespace Qt::Literals::StringLiterals;

namespace tavro::link {
namespace {

// Bytes held back while a frame handler waits in a message box. A flood
// beyond this is dropped rather than let grow without bound.
constexpr std::size_t MaxPendingBytes = 256 * 1024;

}  // namespace

EngraverLink::EngraverLink(platform::SerialLine &port, platform::Clock &clock, LinkView &view,
                           PortLister lister, QObject *parent)
    : QObject(parent),
      m_port(port),
      m_clock(clock),
      m_view(view),
      m_lister(std::move(lister)),
      m_probeTimer(clock.createTimer()),
      m_retryTimer(clock.createTimer()),
      m_presenceTimer(clock.createTimer())
{
    m_probeTimer->onTick([this] { OnProbeTimeout(); });
    m_retryTimer->onTick([this] { OnRetryTick(); });
    m_presenceTimer->onTick([this] { CheckPortPresent(); });
    connect(&m_port, &platform::SerialLine::received, this, &EngraverLink::TakeBytes);
    connect(&m_port, &platform::SerialLine::blockWritten, this, [this] { OnUploadEnded(true); });
    connect(&m_port, &platform::SerialLine::blockFailed, this, [this] { OnUploadEnded(false); });
    connect(&m_port, &platform::SerialLine::blockProgress, this,
            [this](qint64 written, qint64 total) { m_view.showUploadProgress(written, total); });
}

EngraverLink::~EngraverLink() = default;

void EngraverLink::SendFrame(int opcode, int first, int second)
{
    m_port.write(MakeFrame(opcode, first, second));
}

void EngraverLink::SendByte(int value)
{
    m_port.write(QByteArray(1, static_cast<char>(value & 0xFF)));
}

void EngraverLink::LogLine(const QString &text)
{
    m_view.LogText(text + u"\r\n"_s);
}

LinkState EngraverLink::state() const
{
    if (m_port.isOpen() && m_probeTimer->isRunning()) return LinkState::Probing;
    if (m_port.isOpen() && m_presenceTimer->isRunning()) return LinkState::Identified;
    if (m_retryTimer->isRunning()) return LinkState::WaitingToRetry;
    return LinkState::NotConnected;
}

void EngraverLink::TakeBytes(const QByteArray &bytes)
{
    for (char c : bytes) {
        if (m_pending.size() >= MaxPendingBytes) break;
        m_pending.push_back(static_cast<std::uint8_t>(c));
    }
    if (m_draining) return;  // the frame being handled finishes first
    m_draining = true;
    while (!m_pending.empty()) {
        const std::uint8_t byte = m_pending.front();
        m_pending.pop_front();
        HandleReceivedByte(byte);
    }
    m_draining = false;
}

void EngraverLink::HandleReceivedByte(std::uint8_t byte)
{
    if (!m_rx.Push(byte)) return;
    HandleFrame(m_rx.code(), m_rx.first(), m_rx.second());
    m_rx.FrameHandled();
}

void EngraverLink::HandleFrame(int code, int d1, int d2)
{
    switch (code) {
    case RspIdentity:
        OnIdentity(d1);
        break;
    case RspFirmware:
        OnFirmware(d1);
        break;
    case RspPositionX:
        OnPositionX(JoinValue(d1, d2));
        break;
    case RspPositionY:
        m_reportedY = JoinValue(d1, d2);
        m_view.showPositionY(m_reportedY);
        break;
    case RspImageRequest:
        OnImageRequest();
        break;
    case RspCarveDone:
        OnCarveDone();
        break;
    case RspMotorStatus:
        OnMotorStatus(d1);
        break;
    case RspNumber:
        LogLine(QString::number(JoinValue(d1, d2)));
        break;
    case RspBurnTime:
        m_view.showBurnTime(JoinValue(d1, d2));
        break;
    default:  // RspIgnored and unknown codes
        break;
    }
}

void EngraverLink::OnIdentity(int productId)
{
    if (productId == ExpectedProductId) {
        m_view.setConnectCaption(u"OK"_s);
        m_view.setConnectEnabled(false);
        m_view.showBreakButton();
        m_view.EnableMachineControls();
        m_retryTimer->stop();
        m_probeTimer->stop();
        LogLine(u">>>>>>>>>>>>>>>>>>>>>>             CONNECTED !    <<<<<<<<<<<<<<<<<<<<<<"_s);
        m_connectedPort = m_port.portNumber();
        m_presenceTimer->setInterval(PresenceInterval);
        return;
    }
    m_retryTimer->stop();
    m_probeTimer->stop();
    LogLine(u"ERROR"_s);
    m_presenceTimer->stop();
    m_port.close();
    m_view.showMessage(u"Wrong Product ID"_s, u"ERROR"_s);
}

void EngraverLink::OnFirmware(int version)
{
    LogLine(u"Firmware version : "_s + QString::number(version));
    if (version == 1) m_view.applyFirmwareOneLayout();
    if (version > KnownFirmwareVersion) {
        m_view.showMessage(u"Please update your software, or some features may not be used."_s,
                           u"Message"_s);
    }
}

void EngraverLink::OnPositionX(int x)
{
    m_reportedX = x;
    m_view.drawTracePoint(x - 1, m_reportedY);
    m_view.showPositionX(x);
}

void EngraverLink::OnImageRequest()
{
    m_clock.pause(UploadDelayMs);
    m_view.LogText(u"Sending New Image...\r\n"_s);
    if (m_uploadRaster.isEmpty()) {
        m_view.LogText(u"Sending Complete !\r\n\r\n"_s);
        m_view.EnableMachineControls();
        return;
    }
    // The block drains in the background; its end is reported by the port.
    ++m_uploadsInFlight;
    m_port.writeBlock(m_uploadRaster);
}

void EngraverLink::OnUploadEnded(bool written)
{
    // One report covers every block queued behind the first.
    for (; m_uploadsInFlight > 0; --m_uploadsInFlight) {
        if (!written) {
            // Saying "complete" here would report a broken upload as a good one.
            m_view.LogText(u"Sending Failed !\r\n\r\n"_s);
            continue;
        }
        m_view.LogText(u"Sending Complete !\r\n\r\n"_s);
        m_view.EnableMachineControls();
    }
}

void EngraverLink::OnCarveDone()
{
    LogLine(u"Carved finish !"_s);
    m_view.stopRunClock();
    m_view.ResetLocationControls();
}

void EngraverLink::OnMotorStatus(int status)
{
    if (status == 0) {
        LogLine(u"Please access the motor power supply !"_s);
    } else if (status == 1) {
        LogLine(
            u">>>>>>>>>>>>>>>>>>>>>>       Initialization complete!<<<<<<<<<<<<<<<<<<<<<<"_s);
    }
}

}  // namespace tavro::link
