#include "shell/program.h"

#include "settings/settings_folder.h"
#include "shell/board_editing.h"
#include "shell/board_look.h"
#include "shell/main_menu.h"
#include "shell/material_menu.h"
#include "shell/shell_settings.h"
#include "ui/control_style.h"

#include <QAction>
#include <QApplication>
#include <QFont>

using namespace Qt::Literals::StringLiterals;

namespace tavro::shell {

Program::Program(const ProgramServices &services, const QString &settingsFolder, bool trace)
    : m_prompter(services.desktop),
      m_settings(settings::settingsFilePath(settingsFolder)),
      m_devices(services.table),
      m_session(
          {services.line, services.clock, m_prompter, services.ports, settingsFolder, &m_devices},
          {{}, trace}),
      m_card(m_session),
      m_panel(m_session, m_settings, services.desktop, services.clock),
      m_window(m_session, m_panel, m_settings, services.desktop),
      m_statusBar(new JobStatusBar(m_session, services.clock)),
      m_check(services.table, services.clock, m_devices, m_session),
      m_lastWords([this] { m_session.endAtExit(); })
{
    m_window.setStatusBar(m_statusBar);
    m_statusBar->followCard(m_card);
    m_materials =
        new MaterialMenu(m_window.menu(), m_session, m_card, services.desktop, m_window, &m_window);
    m_look = new BoardLook(m_panel.board(), m_session, &m_window);
    QObject::connect(m_materials, &MaterialMenu::previewChanged, m_look, &BoardLook::showPreview);
    m_editing = new BoardEditing(m_window.menu(), m_session, m_panel.board(), m_window,
                                 services.desktop, &m_window);
    QObject::connect(m_materials, &MaterialMenu::previewChanged, m_editing,
                     [this](const QImage &card) { m_editing->showPreview(!card.isNull()); });
    Desktop &desktop = services.desktop;
    QObject::connect(
        m_statusBar, &JobStatusBar::jobFinished, m_statusBar,
        [&desktop](const QString &title, const QString &text) { desktop.notify(title, text); });
    QObject::connect(&m_check, &ConnectionCheck::summaryChanged, m_statusBar,
                     &JobStatusBar::showNoMachine);
    const auto showCheck = [this] { m_check.showWindow(&m_window); };
    QObject::connect(m_statusBar, &JobStatusBar::checkRequested, m_statusBar, showCheck);
    QObject::connect(&m_window.menu().action(MainMenu::CheckConnection), &QAction::triggered,
                     &m_window, showCheck);
    QObject::connect(&m_endings, &platform::EndingSignals::received, &m_window, [this, &desktop] {
        m_session.endNow();
        desktop.quit();
    });
    QCoreApplication::instance()->installEventFilter(&m_heldEscape);
    QCoreApplication::instance()->installEventFilter(&m_titles);
}

void Program::onMainWindowCreated()
{
    if (!qobject_cast<ui::ControlStyle *>(QApplication::style()))
        QApplication::setStyle(new ui::ControlStyle);
    m_window.setAcceptDrops(true);
    m_session.begin();
    m_panel.selectStoredLanguage(Language.read(m_settings));
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
