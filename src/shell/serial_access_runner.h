// Runs the serial-access helper for the connection check without making the window wait.
#pragma once

#include <QObject>
#include <QProcess>
#include <QStringList>

namespace tavro::shell {

class HelperRunner : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // One run at a time; a run asked for while one is going is refused (finished() with -1).
    virtual void run(const QStringList &arguments) = 0;
    virtual bool isRunning() const = 0;

signals:
    // The helper's exit status (-1 when it could not be started) and what it printed.
    void finished(int exitStatus, const QString &output);
};

// The helper as a process: it asks for the administrator password through pkexec itself.
class SerialAccessRunner final : public HelperRunner {
    Q_OBJECT
public:
    // HelpWindow::driverInstallerPath() in the program.
    explicit SerialAccessRunner(QString helperPath, QObject *parent = nullptr);
    ~SerialAccessRunner() override;

    void run(const QStringList &arguments) override;
    bool isRunning() const override { return m_process.state() != QProcess::NotRunning; }

private:
    QString m_helperPath;
    QProcess m_process;
};

}  // namespace tavro::shell
