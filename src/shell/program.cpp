#include "shell/program.h"

#include "platform/settings_folder.h"
#include "shell/control_style.h"
#include "shell/number_text.h"
#include "workspace/preview_board.h"
#include "workspace/text_engraving.h"
#include "workspace/text_font.h"

#include <QApplication>
#include <QDir>
#include <QFont>

using namespace Qt::Literals::StringLiterals;

namespace tavro::shell {

Program::Program(platform::SerialLine &line, platform::Clock &clock, link::PortLister lister,
                 const QString &settingsFolder)
    : m_settingsFolder(settingsFolder),
      m_settings(QDir(settingsFolder).filePath(u"Config.ini"_s)),
      m_link(line, clock, m_prompter, std::move(lister)),
      m_jobs(m_link, clock, m_controls, m_prompter),
      m_model(m_link, m_jobs),
      m_estimator(m_model, m_link, m_jobs, clock, m_settings),
      m_recovery(m_link, m_jobs, m_model, m_estimator, settingsFolder),
      m_guard(m_model, m_jobs, m_prompter),
      m_window(m_link, m_jobs, m_settings, clock, m_prompter, m_guard),
      m_appWindow(m_window, m_link, m_jobs, m_settings, m_prompter, m_guard),
      m_statusBar(new JobStatusBar(m_link, m_model, m_estimator, m_jobs, m_recovery, clock))
{
    m_appWindow.setStatusBar(m_statusBar);
    QObject::connect(&m_model, &job::JobModel::stateChanged, &m_window,
                     [this](job::JobModel::State state) {
                         m_window.showStartAsResume(state == job::JobModel::State::Paused);
                     });
    QObject::connect(m_statusBar, &JobStatusBar::jobFinished, &m_notifier,
                     &DesktopNotifier::notify);
    QCoreApplication::instance()->installEventFilter(&m_heldEscape);
    QCoreApplication::instance()->installEventFilter(&m_titles);
}

void Program::onMainWindowCreated()
{
    m_link.ExpectedProductId = ExpectedProductId;
    m_link.KnownFirmwareVersion = KnownFirmwareVersion;
    if (!qobject_cast<ControlStyle *>(QApplication::style()))
        QApplication::setStyle(new ControlStyle);
    m_appWindow.setAcceptDrops(true);
    m_link.startConnect();
    m_link.logText(u"Automatic Connecting...\r\n"_s);
    // Without the folder the choices are simply not kept; start-up goes on.
    platform::ensureSettingsFolder(m_settingsFolder);
    // A job cut off in an earlier run is offered again once the machine is found.
    m_recovery.loadKept();

    m_window.text().applyFontSettings(workspace::loadFontSettings(m_settings));

    const QString stored = m_settings.read(u"MainWindow"_s, u"Language"_s, u"0"_s);
    m_window.selectStoredLanguage(integerPart(leadingNumber(stored)));
    m_window.applyLanguage();
}

void installFontSubstitutions()
{
    QFont::insertSubstitutions(u"Calibri"_s, {u"Carlito"_s});
    QFont::insertSubstitutions(u"Arial"_s, {u"Liberation Sans"_s});
    for (const QString &face : {u"微软雅黑"_s, u"Microsoft YaHei"_s})
        QFont::insertSubstitutions(face, {u"Noto Sans CJK SC"_s});
}

}  // namespace tavro::shell
