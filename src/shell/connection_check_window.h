// The connection check window: every serial device the search tries, what is known of it, its
// verdict and the helper's fix, kept up to date while devices come and go.
#pragma once

#include "machine/connection_diagnosis.h"
#include "machine/device_watcher.h"
#include "shell/serial_access_runner.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace tavro::shell {

class ConnectionCheckWindow final : public QDialog {
    Q_OBJECT
public:
    // The check runs each time the window is shown, when a device comes or goes, and after the
    // helper ran.
    ConnectionCheckWindow(machine::ConnectionDiagnosis &diagnosis, machine::DeviceWatcher &watcher,
                          HelperRunner &helper, QWidget *parent = nullptr);
    ~ConnectionCheckWindow() override;

    // Runs the check again (the link found or lost its machine, say).
    void checkAgain();

    // What the window shows, for tests.
    QString headline() const;
    QString status() const;

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void makeConnections();
    void retranslate();
    void showReport();
    void clearRows();
    QWidget *deviceRow(const machine::SerialDevice &device);
    QWidget *noDeviceRow();
    void runFix(machine::Fix fix);
    void onHelperFinished(int exitStatus, const QString &output);
    void onDeviceChanged();
    void setStatus(const QString &text);
    static QString waitingText();

    machine::ConnectionDiagnosis &m_diagnosis;
    machine::DeviceWatcher &m_watcher;
    HelperRunner &m_helper;
    QLabel *m_intro = nullptr;
    QLabel *m_headline = nullptr;
    QWidget *m_rows = nullptr;
    QVBoxLayout *m_rowLayout = nullptr;
    QLabel *m_status = nullptr;
    QPushButton *m_checkAgainButton = nullptr;
    QPushButton *m_closeButton = nullptr;
    bool m_reported = false;
    // The helper's outcome stays in the status line until the next check ends.
    QString m_helperOutcome;
};

}  // namespace tavro::shell
