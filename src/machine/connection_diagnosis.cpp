#include "machine/connection_diagnosis.h"

#include "machine/connection_rules.h"
#include "machine/device_node.h"
#include "machine/process_table.h"
#include "machine/udev_rules.h"
#include "platform/logging.h"

#include <QFileInfo>
#include <QSerialPortInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>

using namespace Qt::Literals::StringLiterals;

namespace tavro::machine {
namespace {

QString canonicalNode(const QString &path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? path : canonical;
}

QList<HoldingProcess> onlyBrltty(QList<HoldingProcess> processes)
{
    processes.removeIf([](const HoldingProcess &process) {
        return process.kind() != HoldingProcess::Kind::Brltty;
    });
    return processes;
}

}  // namespace

ConnectionDiagnosis::ConnectionDiagnosis(Options options, platform::Clock &clock,
                                         IdentityProber &prober, QObject *parent)
    : QObject(parent), m_options(std::move(options)), m_prober(prober), m_retry(clock.createTimer())
{
    m_retry->onTick([this] { retryOwnScan(); });
    connect(&m_prober, &IdentityProber::answered, this, &ConnectionDiagnosis::onAnswer);
}

ConnectionDiagnosis::~ConnectionDiagnosis()
{
    cancel();
}

void ConnectionDiagnosis::run(Depth depth)
{
    cancel();
    m_depth = depth;
    m_running = true;
    emit started();
    const UdevRules rules(m_options.rulesRoot);
    m_pending = {};
    m_pending.accessRuleInstalled = rules.accessRuleInstalled();
    m_pending.brlttyRuleMasked = rules.brlttyRuleMasked();
    const ProcessTable processes;
    listDevices(processes);
    addBridgesWithoutPort(processes);
    // Probes may answer at once (a port that will not open): the list is complete by then.
    for (const QString &node : QSet<QString>(m_probing)) m_prober.probe(node);
    if (!m_waiting.isEmpty()) m_retry->setInterval(OwnScanRetry);
    completeWhenDone();
}

void ConnectionDiagnosis::cancel()
{
    ++m_generation;
    if (!m_running) return;
    m_running = false;
    m_retry->stop();
    m_probing.clear();
    m_waiting.clear();
    m_prober.cancelAll();
}

void ConnectionDiagnosis::listDevices(const ProcessTable &processes)
{
    QMap<QString, QSerialPortInfo> known;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        known.insert(info.systemLocation(), info);
    QSet<QString> listed;
    for (int n = 1; n <= platform::PortTable::PortCount; ++n) {
        const QString path = m_options.table.devicePath(n);
        if (path.isEmpty() || (!m_options.listBuiltInPorts && isBuiltInPort(path))) continue;
        if (!QFileInfo::exists(path)) continue;
        const QString node = canonicalNode(path);
        if (listed.contains(node)) continue;  // two names of one device
        listed.insert(node);
        SerialDevice device = describe(n, path, node);
        if (const auto info = known.constFind(node); info != known.cend()) {
            if (info->hasVendorIdentifier()) device.vendorId = info->vendorIdentifier();
            if (info->hasProductIdentifier()) device.productId = info->productIdentifier();
            device.manufacturer = info->manufacturer();
            device.description = info->description();
        }
        device.coveredByAccessRule = coveredByAccessRule(node, device.vendorId);
        switch (examine(device, processes)) {
        case Next::Drop:
            continue;
        case Next::Probe:
            m_probing.insert(node);
            break;
        case Next::WaitForOwnScan:
            m_waiting.insert(node, OwnScanRetries);
            break;
        case Next::Done:
            break;
        }
        m_pending.devices << device;
    }
}

SerialDevice ConnectionDiagnosis::describe(int portNumber, const QString &path,
                                           const QString &node) const
{
    SerialDevice device;
    device.path = path;
    device.portNumber = portNumber;
    device.node = node;
    device.access = nodeAccess(node);
    return device;
}

ConnectionDiagnosis::Next ConnectionDiagnosis::examine(SerialDevice &device,
                                                       const ProcessTable &processes) const
{
    const bool quick = m_depth == Depth::Quick;
    if (isConnected(device.node)) {
        device.verdict = Verdict::Connected;
        return Next::Done;
    }
    // Seen holding it: not even opened, so nothing reaches a port someone else uses.
    device.holders = processes.holdersOf(device.node);
    if (!device.holders.isEmpty()) {
        device.verdict = Verdict::Held;
        return Next::Done;
    }
    const int error = openError(device.node);
    if (error == 0) {
        device.verdict = Verdict::NoAnswer;
        return quick ? Next::Done : Next::Probe;
    }
    if (nodeVanished(error)) return Next::Drop;
    if (error == EBUSY && ProcessTable::openHere(device.node)) {
        device.verdict = Verdict::NoAnswer;
        return quick ? Next::Done : Next::WaitForOwnScan;
    }
    device.verdict = verdictForOpenError(error);
    device.reason = QString::fromLocal8Bit(std::strerror(error));
    if (device.verdict == Verdict::Held) {
        device.holders = processes.suspects();
        device.holdersSeen = false;
    }
    qCDebug(lcSerial) << "check:" << device.path << "does not open:" << device.reason;
    return Next::Done;
}

void ConnectionDiagnosis::addBridgesWithoutPort(const ProcessTable &processes)
{
    if (!m_options.bridgesWithoutPort) return;
    for (const UsbBridge &bridge : m_options.bridgesWithoutPort()) {
        SerialDevice device;
        device.vendorId = bridge.vendorId;
        device.productId = bridge.productId;
        device.manufacturer = bridge.manufacturer;
        device.description = bridge.product;
        device.node = bridge.sysName;
        device.verdict = Verdict::NoSerialDevice;
        device.holders = onlyBrltty(processes.suspects());
        device.holdersSeen = false;
        m_pending.devices << device;
    }
}

void ConnectionDiagnosis::onAnswer(const QString &node, const ProbeAnswer &answer)
{
    if (!m_running || !m_probing.remove(node)) return;
    SerialDevice *device = deviceOf(node);
    if (!device) return;
    switch (answer.kind) {
    case ProbeAnswer::Kind::Answered:
        device->verdict = verdictForAnswer(answer.productId, m_options.expectedProductId);
        device->answeredProductId = answer.productId;
        break;
    case ProbeAnswer::Kind::Silent:
        device->verdict = Verdict::NoAnswer;
        break;
    case ProbeAnswer::Kind::CannotOpen:
        if (ProcessTable::openHere(node)) {
            // The scan took it between our look and the probe's open.
            m_waiting.insert(node, OwnScanRetries);
            m_retry->setInterval(OwnScanRetry);
            return;
        }
        if (!QFileInfo::exists(device->path)) {
            dropDevice(node);
            break;
        }
        device->verdict = Verdict::CannotOpen;
        device->reason = answer.reason;
        qCDebug(lcSerial) << "check:" << device->path << "does not open:" << answer.reason;
        break;
    }
    completeWhenDone();
}

void ConnectionDiagnosis::retryOwnScan()
{
    QStringList released;
    for (auto waiting = m_waiting.begin(); waiting != m_waiting.end();) {
        SerialDevice *device = deviceOf(waiting.key());
        if (device && isConnected(waiting.key())) {
            device->verdict = Verdict::Connected;
        } else if (device && !ProcessTable::openHere(waiting.key())) {
            released << waiting.key();
        } else if (device && --waiting.value() > 0) {
            ++waiting;
            continue;
        }
        // Kept open for longer than any probe of the scan takes: silent, as the scan found it.
        waiting = m_waiting.erase(waiting);
    }
    if (m_waiting.isEmpty()) m_retry->stop();
    for (const QString &node : released) m_probing.insert(node);
    for (const QString &node : released) m_prober.probe(node);
    completeWhenDone();
}

bool ConnectionDiagnosis::isConnected(const QString &node) const
{
    if (!m_options.connectedDevice) return false;
    const QString connected = m_options.connectedDevice();
    return !connected.isEmpty() && canonicalNode(connected) == node;
}

SerialDevice *ConnectionDiagnosis::deviceOf(const QString &node)
{
    for (SerialDevice &device : m_pending.devices)
        if (device.portNumber != 0 && device.node == node) return &device;
    return nullptr;
}

void ConnectionDiagnosis::dropDevice(const QString &node)
{
    m_pending.devices.removeIf([&node](const SerialDevice &device) {
        return device.portNumber != 0 && device.node == node;
    });
}

void ConnectionDiagnosis::completeWhenDone()
{
    if (!m_running || !m_probing.isEmpty() || !m_waiting.isEmpty()) return;
    // Always from the event loop, so a caller of run() sees started() before finished().
    QMetaObject::invokeMethod(
        this,
        [this, generation = m_generation] {
            if (generation != m_generation || !m_running) return;
            m_running = false;
            for (SerialDevice &device : m_pending.devices)
                device.fix =
                    fixFor(device, m_pending.accessRuleInstalled, m_pending.brlttyRuleMasked);
            m_report = std::move(m_pending);
            m_pending = {};
            emit finished(m_report);
        },
        Qt::QueuedConnection);
}

}  // namespace tavro::machine
