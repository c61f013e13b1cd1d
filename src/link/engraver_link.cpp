#include "link/engraver_link.h"

#include "platform/logging.h"

#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace tavro::link {
namespace {

// Bytes held back while a frame handler waits in a message box. A flood
// beyond this is dropped rather than let grow without bound.
constexpr std::size_t MaxPendingBytes = 256 * 1024;

}  // namespace

EngraverLink::EngraverLink(platform::SerialLine &port, platform::Clock &clock,
                           platform::Prompter &prompter, const platform::PortLister &ports,
                           MessageLog &log, LinkOptions options, QObject *parent)
    : QObject(parent),
      m_port(port),
      m_clock(clock),
      m_prompter(prompter),
      m_ports(ports),
      m_log(log),
      m_options(options),
      m_probeTimer(clock.createTimer()),
      m_retryTimer(clock.createTimer()),
      m_presenceTimer(clock.createTimer()),
      m_uploadTimer(clock.createTimer()),
      m_imageRequestTimer(clock.createTimer())
{
    m_probeTimer->onTick([this] { onProbeTimeout(); });
    m_retryTimer->onTick([this] { onRetryTick(); });
    m_presenceTimer->onTick([this] { checkPortPresent(); });
    m_uploadTimer->onTick([this] { sendUploadBlock(); });
    m_imageRequestTimer->onTick([this] { onImageRequestOverdue(); });
    connect(&m_port, &platform::SerialLine::received, this, &EngraverLink::takeBytes);
    connect(&m_port, &platform::SerialLine::lost, this, &EngraverLink::onPortLost);
    connect(&m_port, &platform::SerialLine::blockWritten, this, [this] {
        if (m_uploadInFlight) onUploadEnded(true);
    });
    connect(&m_port, &platform::SerialLine::blockFailed, this, [this] {
        if (m_uploadInFlight) onUploadEnded(false);
    });
    connect(&m_port, &platform::SerialLine::blockProgress, this, &EngraverLink::uploadProgress);
}

EngraverLink::~EngraverLink() = default;

bool EngraverLink::sendFrame(int opcode, int first, int second)
{
    return sendChecked(protocol::makeFrame(opcode, first, second));
}

bool EngraverLink::sendByte(int value)
{
    return sendChecked(QByteArray(1, static_cast<char>(value & 0xFF)));
}

bool EngraverLink::sendChecked(const QByteArray &bytes)
{
    if (m_port.write(bytes)) return true;
    // An open port that refuses bytes is as good as gone.
    if (m_port.isOpen()) onPortLost(m_port.lastError());
    return false;
}

bool EngraverLink::logSent(bool sent, const QString &text)
{
    if (sent)
        m_log.logText(text);
    else
        m_log.logLine(u"Not sent, no machine connected: "_s + text.simplified());
    return sent;
}

LinkState EngraverLink::state() const
{
    if (m_port.isOpen() && m_probeTimer->isRunning()) return LinkState::Probing;
    if (m_port.isOpen() && m_presenceTimer->isRunning()) return LinkState::Identified;
    if (m_retryTimer->isRunning()) return LinkState::WaitingToRetry;
    return LinkState::NotConnected;
}

void EngraverLink::takeBytes(const QByteArray &bytes)
{
    for (char c : bytes) {
        if (m_pending.size() >= MaxPendingBytes) {
            if (!std::exchange(m_dropReported, true)) {
                qCWarning(lcLink) << "receive queue full; bytes dropped";
                m_log.logLine(
                    u"Bytes from the machine came faster than they could be taken "
                    u"and some were dropped"_s);
            }
            break;
        }
        m_pending.push_back(static_cast<std::uint8_t>(c));
        ++m_bytesQueued;
    }
    if (m_draining) return;  // the frame being handled finishes first
    m_draining = true;
    while (!m_pending.empty()) {
        const std::uint8_t byte = m_pending.front();
        m_pending.pop_front();
        ++m_bytesTaken;
        handleReceivedByte(byte);
    }
    m_draining = false;
    m_dropReported = false;
}

void EngraverLink::showFrameBox(const QString &text, const QString &caption)
{
    const QString kind = caption + u'\n' + text;
    if (m_openBoxes.contains(kind)) return;
    if (m_bytesTaken <= m_boxQuietUntil.value(kind, 0)) return;  // came in while it was open
    m_openBoxes.insert(kind);
    m_prompter.inform(text, caption);
    m_openBoxes.remove(kind);
    m_boxQuietUntil.insert(kind, m_bytesQueued);
}

void EngraverLink::handleReceivedByte(std::uint8_t byte)
{
    if (!m_rx.push(byte)) return;
    handleFrame(m_rx.code(), m_rx.first(), m_rx.second());
    m_rx.frameHandled();
}

void EngraverLink::handleFrame(int code, int d1, int d2)
{
    switch (code) {
    case protocol::RspIdentity:
        onIdentity(d1);
        break;
    case protocol::RspFirmware:
        // Noise that looks like a version must not hide Power OFF in the middle of a job.
        if (answeringIdentify()) onFirmware(d1);
        break;
    case protocol::RspPositionX:
        onPositionX(protocol::joinValue(d1, d2));
        break;
    case protocol::RspPositionY:
        m_reportedY = protocol::joinValue(d1, d2);
        emit positionY(m_reportedY);
        break;
    case protocol::RspImageRequest:
        onImageRequest();
        break;
    case protocol::RspCarveDone:
        emit carveDoneReported();
        break;
    case protocol::RspMotorStatus:
        onMotorStatus(d1);
        break;
    case protocol::RspNumber:
        m_log.logLine(QString::number(protocol::joinValue(d1, d2)));
        break;
    case protocol::RspBurnTime:
        onBurnTimeReport(protocol::joinValue(d1, d2));
        break;
    case protocol::RspMachineState:
        if (answeringIdentify() && d1 <= int(protocol::MachineState::Finished))
            emit machineStateReported(protocol::MachineState(d1));
        break;
    default:  // unknown codes
        break;
    }
}

void EngraverLink::onIdentity(int productId)
{
    // Only the answer to a probe: noise that looks like one must not end a running job's link.
    if (!m_probeTimer->isRunning()) {
        qCDebug(lcLink) << "identity frame outside a probe ignored";
        return;
    }
    if (productId == m_options.expectedProductId) {
        m_connectedPort = m_port.portNumber();
        m_userDisconnected = false;
        m_identifiedAt = m_clock.now();
        qCInfo(lcLink) << "machine identified on COM" << m_connectedPort;
        emit identified(m_connectedPort);
        m_retryTimer->stop();
        m_probeTimer->stop();
        m_log.logLine(
            u">>>>>>>>>>>>>>>>>>>>>>             CONNECTED !    <<<<<<<<<<<<<<<<<<<<<<"_s);
        m_presenceTimer->setInterval(PresenceInterval);
        return;
    }
    m_retryTimer->stop();
    m_probeTimer->stop();
    m_log.logLine(u"ERROR"_s);
    m_presenceTimer->stop();
    m_port.close();
    qCInfo(lcLink) << "COM" << m_port.portNumber() << "answered with product id" << productId;
    emit wrongProduct(productId);
    showFrameBox(u"Wrong Product ID"_s, u"ERROR"_s);
}

void EngraverLink::onFirmware(int version)
{
    m_log.logLine(u"Firmware version : "_s + QString::number(version));
    emit firmwareReported(version);
    if (version > m_options.knownFirmwareVersion) {
        showFrameBox(u"Please update your software, or some features may not be used."_s,
                     u"Message"_s);
    }
}

void EngraverLink::onPositionX(int x)
{
    // Drawn one column left of the report, so the trace lands on the dot.
    emit tracePoint(x - 1, m_reportedY);
    emit positionX(x);
}

void EngraverLink::onImageRequest()
{
    // Only the machine that was just told to erase asks for a block: a stray request in the
    // middle of a carve would pour the picture into the machine as commands.
    if (!m_uploadPending || m_uploadTimer->isRunning()) {
        qCDebug(lcLink) << "image request without a pending upload ignored";
        return;
    }
    m_imageRequestTimer->stop();
    // The short wait before the block runs on a timer, never on the window's thread.
    m_uploadTimer->setInterval(UploadDelay);
}

void EngraverLink::onImageRequestOverdue()
{
    m_imageRequestTimer->stop();
    if (!m_uploadPending || m_uploadTimer->isRunning()) return;
    m_uploadPending = false;
    m_lastError =
        tr("the machine did not ask for the picture within %1 s")
            .arg(std::chrono::duration_cast<std::chrono::seconds>(ImageRequestWait).count());
    qCWarning(lcLink) << "no image request after the erase";
    m_log.logLine(tr("The machine did not ask for the picture: it was not sent."));
    emit imageNotRequested();
}

bool EngraverLink::answeringIdentify() const
{
    if (m_probeTimer->isRunning()) return true;
    return m_identifiedAt && m_presenceTimer->isRunning() &&
           m_clock.now() - *m_identifiedAt <= IdentifyAnswerWindow;
}

void EngraverLink::sendUploadBlock()
{
    m_uploadTimer->stop();
    m_uploadPending = false;
    m_log.logText(u"Sending New Image...\r\n"_s);
    if (m_uploadRaster.isEmpty()) {
        onUploadEnded(true);
        return;
    }
    // The block drains in the background; its end is reported by the port.
    m_uploadInFlight = true;
    m_port.writeBlock(m_uploadRaster);
}

void EngraverLink::onUploadEnded(bool written)
{
    m_uploadInFlight = false;
    if (written) {
        m_log.logText(u"Sending Complete !\r\n\r\n"_s);
    } else {
        // Saying "complete" here would report a broken upload as a good one.
        m_log.logText(u"Sending Failed !\r\n\r\n"_s);
        if (const QString reason = m_port.lastError(); !reason.isEmpty())
            m_log.logLine(u"The picture did not reach the machine: "_s + reason);
    }
    emit uploadFinished(written);
}

void EngraverLink::onBurnTimeReport(int burnTime)
{
    // A report that crossed our own burn time on the wire tells what the machine had before
    // it; taken, it would leave the slider and the machine disagreeing.
    if (m_burnTimeSentAt && burnTime != m_burnTimeSent &&
        m_clock.now() - *m_burnTimeSentAt < BurnTimeReportQuiet) {
        qCDebug(lcLink) << "burn time report" << burnTime << "crossed the one sent";
        return;
    }
    emit burnTimeReported(burnTime);
}

void EngraverLink::onMotorStatus(int status)
{
    if (status == 0) {
        m_log.logLine(u"Please access the motor power supply !"_s);
    } else if (status == 1) {
        m_log.logLine(
            u">>>>>>>>>>>>>>>>>>>>>>       Initialization complete!<<<<<<<<<<<<<<<<<<<<<<"_s);
    }
}

}  // namespace tavro::link
