// Why no machine is found: a quick check after each search that found nothing, for the status
// bar, and the connection check window with its fixes.
#pragma once

#include "machine/connection_diagnosis.h"
#include "machine/device_watcher.h"
#include "machine/identity_prober.h"
#include "session/session.h"
#include "shell/connection_check_window.h"
#include "shell/serial_access_runner.h"

#include <QObject>
#include <QPointer>

namespace tavro::shell {

class ConnectionCheck final : public QObject {
    Q_OBJECT
public:
    // The watcher and the session outlive the check.
    ConnectionCheck(const platform::PortTable &table, platform::Clock &clock,
                    machine::DeviceWatcher &devices, const session::Session &session,
                    QObject *parent = nullptr);
    ~ConnectionCheck() override;

    // The connection check window, one at a time, beside the given window.
    void showWindow(QWidget *parent);
    ConnectionCheckWindow *window() const { return m_window; }

signals:
    // Why the last search found no machine, in one line; empty once one is found.
    void summaryChanged(const QString &summary);

private:
    machine::ConnectionDiagnosis::Options options(const platform::PortTable &table) const;

    const session::Session &m_session;
    machine::DeviceWatcher &m_devices;
    machine::SerialIdentityProber m_quickProber;
    machine::SerialIdentityProber m_fullProber;
    machine::ConnectionDiagnosis m_quick;
    machine::ConnectionDiagnosis m_full;
    SerialAccessRunner m_runner;
    QPointer<ConnectionCheckWindow> m_window;
};

}  // namespace tavro::shell
