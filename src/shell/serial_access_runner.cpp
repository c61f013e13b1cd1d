#include "shell/serial_access_runner.h"

#include <QFileInfo>
#include <QLoggingCategory>

namespace tavro::shell {
namespace {

Q_LOGGING_CATEGORY(lcHelper, "tavro.helper", QtWarningMsg)

}  // namespace

SerialAccessRunner::SerialAccessRunner(QString helperPath, QObject *parent)
    : HelperRunner(parent), m_helperPath(std::move(helperPath))
{
    // Its words go to the window; without a graphical polkit agent, pkexec asks for the
    // password on the terminal the program was started from.
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.setInputChannelMode(QProcess::ForwardedInputChannel);
    connect(&m_process, &QProcess::finished, this, [this](int status, QProcess::ExitStatus how) {
        const QString output = QString::fromLocal8Bit(m_process.readAll()).trimmed();
        qCInfo(lcHelper).noquote() << m_helperPath << "ended with" << status << ":" << output;
        emit finished(how == QProcess::NormalExit ? status : -1, output);
    });
    connect(&m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart) return;
        qCWarning(lcHelper) << "cannot start" << m_helperPath << ":" << m_process.errorString();
        emit finished(-1, m_process.errorString());
    });
}

SerialAccessRunner::~SerialAccessRunner()
{
    m_process.disconnect(this);
}

void SerialAccessRunner::run(const QStringList &arguments)
{
    if (isRunning()) {
        emit finished(-1, tr("tavro-serial-access is running already."));
        return;
    }
    const QFileInfo helper(m_helperPath);
    if (!helper.isFile() || !helper.isExecutable()) {
        qCWarning(lcHelper) << "no helper at" << m_helperPath;
        emit finished(-1, tr("tavro-serial-access is not installed at %1.").arg(m_helperPath));
        return;
    }
    m_process.start(m_helperPath, arguments);
}

}  // namespace tavro::shell
