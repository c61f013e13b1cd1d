#include "shell/connection_check.h"

#include "machine/diagnosis_text.h"
#include "shell/connection_check_window.h"
#include "shell/help_window.h"

namespace tavro::shell {

ConnectionCheck::ConnectionCheck(const platform::PortTable &table, platform::Clock &clock,
                                 machine::DeviceWatcher &devices, const session::Session &session,
                                 QObject *parent)
    : QObject(parent),
      m_session(session),
      m_devices(devices),
      m_quickProber(clock),
      m_fullProber(clock),
      m_quick(options(table), clock, m_quickProber),
      m_full(options(table), clock, m_fullProber),
      m_runner(HelpWindow::driverInstallerPath())
{
    using S = session::Session;
    // The search has just tried every port: the quick check asks none of them again.
    connect(&session, &S::searchExhausted, this,
            [this] { m_quick.run(machine::ConnectionDiagnosis::Depth::Quick); });
    connect(&m_quick, &machine::ConnectionDiagnosis::finished, this,
            [this](const machine::DiagnosisReport &report) {
                if (m_session.machine().identified) return;
                emit summaryChanged(machine::DiagnosisText::summary(report));
            });
    connect(&session, &S::machineFound, this, [this] {
        m_quick.cancel();
        emit summaryChanged({});
        if (m_window && m_window->isVisible()) m_window->checkAgain();
    });
    connect(&session, &S::machineLost, this, [this] {
        if (m_window && m_window->isVisible()) m_window->checkAgain();
    });
}

ConnectionCheck::~ConnectionCheck() = default;

machine::ConnectionDiagnosis::Options ConnectionCheck::options(
    const platform::PortTable &table) const
{
    machine::ConnectionDiagnosis::Options options{table, {}, {}, {}, {}};
    options.listBuiltInPorts = qEnvironmentVariableIsSet("TAVRO_PORTS");
    options.rulesRoot = qEnvironmentVariable("TAVRO_SERIAL_ACCESS_ROOT");
    options.connectedDevice = [this, table] {
        const session::MachineView machine = m_session.machine();
        return machine.identified ? table.devicePath(machine.port) : QString();
    };
    return options;
}

void ConnectionCheck::showWindow(QWidget *parent)
{
    if (!m_window) m_window = new ConnectionCheckWindow(m_full, m_devices, m_runner, parent);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

}  // namespace tavro::shell
