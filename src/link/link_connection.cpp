// Finding the machine among COM1..COM64, noticing a pulled cable, breaking the link.
#include "link/engraver_link.h"

#include "platform/logging.h"

using namespace Qt::Literals::StringLiterals;

namespace tavro::link {

void EngraverLink::startConnect()
{
    m_userDisconnected = false;
    m_portNumber = 1;
    emit scanStarted();
    scanPorts();
}

void EngraverLink::scanPorts()
{
    while (m_portNumber <= LastPortNumber) {
        if (m_port.open(m_portNumber)) {
            m_probeTimer->setInterval(ProbeInterval);
            identify();
            return;
        }
        ++m_portNumber;
    }
    m_retryTimer->setInterval(RetryInterval);
    qCDebug(lcLink) << "no machine on COM1 to COM64; trying again in" << RetryInterval.count()
                    << "ms";
    emit scanExhausted();
}

void EngraverLink::onProbeTimeout()
{
    m_probeTimer->stop();
    m_port.close();
    ++m_portNumber;
    scanPorts();
}

void EngraverLink::onRetryTick()
{
    // A scan still probing finishes first, so every port gets its full second.
    if (m_probeTimer->isRunning()) return;
    startConnect();
}

void EngraverLink::checkPortPresent()
{
    if (m_presenceBoxOpen) return;  // one unreadable-list box at a time
    const platform::PortList list = m_ports.presentPorts();
    if (!list.ok) {
        m_presenceBoxOpen = true;
        m_prompter.inform(u"打开状态=%1, 键句柄=0"_s.arg(list.status), u"提示信息"_s);
        m_presenceBoxOpen = false;
        return;
    }
    // A port that closed under us (a quick replug keeps the node) is as gone as a missing one.
    const bool portBroke = !m_port.isOpen() && !m_userDisconnected;
    if (!portBroke && list.names.contains(u"COM%1A"_s.arg(m_connectedPort))) return;
    breakConnection(portBroke ? m_port.lastError() : tr("the port is no longer there"));
}

void EngraverLink::onPortLost(const QString &reason)
{
    // While probing the probe's time-out moves on; after Break the operator chose a closed port.
    if (!m_presenceTimer->isRunning() || m_userDisconnected) return;
    breakConnection(reason);
}

void EngraverLink::breakConnection(const QString &reason)
{
    m_lastError = reason;
    qCWarning(lcLink) << "the machine on COM" << m_connectedPort << "is gone:" << reason;
    m_log.logLine(u">>>Connection BREAK !<<<"_s);
    m_uploadPending = false;
    m_uploadTimer->stop();
    m_imageRequestTimer->stop();
    emit broken(reason);
    m_presenceTimer->stop();
    startConnect();
}

void EngraverLink::disconnectMachine()
{
    m_userDisconnected = true;
    m_uploadPending = false;
    m_uploadTimer->stop();
    m_imageRequestTimer->stop();
    m_port.close();
    m_log.logText(u"Disconnected Connection\r\n\r\n"_s);
    emit disconnected();
}

}  // namespace tavro::link
