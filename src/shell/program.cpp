#include "shell/program.h"

#include "shell/control_style.h"
#include "shell/number_text.h"

#include <QApplication>
#include <QFont>

using namespace Qt::Literals::StringLiterals;

namespace tavro::shell {

Program::Program(platform::SerialLine &line, platform::Clock &clock,
                 const platform::PortLister &ports, Desktop &desktop, const QString &settingsFolder,
                 bool trace)
    : m_prompter(desktop),
      m_session({line, clock, m_prompter, ports, settingsFolder},
                {{ExpectedProductId, KnownFirmwareVersion}, trace}),
      m_panel(m_session, desktop, clock),
      m_window(m_session, m_panel, desktop),
      m_statusBar(new JobStatusBar(m_session, clock))
{
    m_window.setStatusBar(m_statusBar);
    QObject::connect(
        m_statusBar, &JobStatusBar::jobFinished, m_statusBar,
        [&desktop](const QString &title, const QString &text) { desktop.notify(title, text); });
    QCoreApplication::instance()->installEventFilter(&m_heldEscape);
    QCoreApplication::instance()->installEventFilter(&m_titles);
}

void Program::onMainWindowCreated()
{
    if (!qobject_cast<ControlStyle *>(QApplication::style()))
        QApplication::setStyle(new ControlStyle);
    m_window.setAcceptDrops(true);
    m_session.begin();
    const QString stored = m_session.settings().read(u"MainWindow"_s, u"Language"_s, u"0"_s);
    m_panel.selectStoredLanguage(integerPart(leadingNumber(stored)));
    m_panel.applyLanguage();
}

void installFontSubstitutions()
{
    QFont::insertSubstitutions(u"Calibri"_s, {u"Carlito"_s});
    QFont::insertSubstitutions(u"Arial"_s, {u"Liberation Sans"_s});
    for (const QString &face : {u"微软雅黑"_s, u"Microsoft YaHei"_s})
        QFont::insertSubstitutions(face, {u"Noto Sans CJK SC"_s});
}

}  // namespace tavro::shell
