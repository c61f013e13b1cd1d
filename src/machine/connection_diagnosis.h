// The connection check: every serial device the scan would try, what is known of it, and one
// verdict with its fix. It runs on the caller's thread without blocking it.
#pragma once

#include "machine/identity_prober.h"
#include "machine/serial_device.h"
#include "machine/usb_bridges.h"
#include "platform/clock.h"
#include "platform/port_table.h"
#include "protocol/frames.h"

#include <QHash>
#include <QObject>
#include <QSet>

#include <functional>
#include <memory>

namespace tavro::machine {

class ProcessTable;

class ConnectionDiagnosis final : public QObject {
    Q_OBJECT
public:
    enum class Depth {
        // Asks every device that opens who it is, as the scan does.
        Full,
        // Asks nothing: a device that opens is taken as silent, as the scan that has just gone
        // through every port found it. For the status bar, after each exhausted scan.
        Quick,
    };

    struct Options {
        platform::PortTable table;
        // ttyS* too: for a table the user chose (TAVRO_PORTS, a port named on the command line).
        bool listBuiltInPorts = false;
        int expectedProductId = protocol::MachineProductId;
        // Prefixed to the udev rule folders; tests give a folder of their own.
        QString rulesRoot;
        // The device of the machine the link has identified, or empty: it is reported as
        // connected and never opened.
        std::function<QString()> connectedDevice;
        std::function<QList<UsbBridge>()> bridgesWithoutPort = usbBridgesWithoutPort;
    };

    // A device this program's own scan has open is asked once the scan lets go of it.
    static constexpr std::chrono::milliseconds OwnScanRetry{100};
    static constexpr int OwnScanRetries = 30;

    // `prober` is this check's own and outlives it.
    ConnectionDiagnosis(Options options, platform::Clock &clock, IdentityProber &prober,
                        QObject *parent = nullptr);
    ~ConnectionDiagnosis() override;

    // Starts a check, dropping one still running; finished() follows from the event loop.
    void run(Depth depth = Depth::Full);
    void cancel();
    bool isRunning() const { return m_running; }
    // The last finished check.
    const DiagnosisReport &report() const { return m_report; }

signals:
    void started();
    void finished(const tavro::machine::DiagnosisReport &report);

private:
    enum class Next { Done, Probe, WaitForOwnScan, Drop };

    void listDevices(const ProcessTable &processes);
    SerialDevice describe(int portNumber, const QString &path, const QString &node) const;
    Next examine(SerialDevice &device, const ProcessTable &processes) const;
    void addBridgesWithoutPort(const ProcessTable &processes);
    void onAnswer(const QString &node, const ProbeAnswer &answer);
    void retryOwnScan();
    bool isConnected(const QString &node) const;
    SerialDevice *deviceOf(const QString &node);
    void dropDevice(const QString &node);
    void completeWhenDone();

    Options m_options;
    IdentityProber &m_prober;
    std::unique_ptr<platform::IntervalTimer> m_retry;
    Depth m_depth = Depth::Full;
    bool m_running = false;
    int m_generation = 0;
    DiagnosisReport m_pending;
    DiagnosisReport m_report;
    QSet<QString> m_probing;
    QHash<QString, int> m_waiting;  // node -> retries left
};

}  // namespace tavro::machine
