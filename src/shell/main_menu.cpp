#include "shell/main_menu.h"

#include "platform/file_name.h"
#include "shell/user_guide_window.h"
#include "ui/plain_tool_tip.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace tavro::shell {
namespace {

// Object names, so tests and accessibility tools find the entries.
constexpr std::array<const char16_t *, MainMenu::CommandCount> CommandNames = {
    u"openPictureAction", u"openJobAction", u"saveJobAction",         u"saveJobAsAction",
    u"exportBoardAction", u"quitAction",    u"checkConnectionAction", u"userGuideAction",
    u"helpAction",        u"aboutAction",   u"zoomInAction",          u"zoomOutAction",
    u"actualSizeAction"};

}  // namespace

MainMenu::MainMenu(QMenuBar &bar, session::Session &session, QComboBox &language, QObject *parent)
    : QObject(parent), m_languageBox(language)
{
    build(bar);
    bindCommands(session);
    retranslate();
}

MainMenu::~MainMenu() = default;

void MainMenu::build(QMenuBar &bar)
{
    using C = session::CommandId;
    for (int c = 0; c < CommandCount; ++c) {
        m_actions[std::size_t(c)] = new QAction(this);
        m_actions[std::size_t(c)]->setObjectName(QString::fromUtf16(CommandNames[std::size_t(c)]));
    }
    for (const session::CommandSpec &spec : session::commandTable()) {
        if (!spec.actionName) continue;
        auto *entry = new QAction(this);
        entry->setObjectName(QString::fromUtf16(spec.actionName));
        entry->setShortcut(spec.shortcut);
        m_commandActions[std::size_t(spec.id)] = entry;
    }
    action(OpenPicture).setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    action(SaveJob).setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    action(SaveJobAs).setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    action(Quit).setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    action(UserGuide).setShortcut(QKeySequence(Qt::Key_F1));
    action(Quit).setMenuRole(QAction::QuitRole);
    action(About).setMenuRole(QAction::AboutRole);

    m_file = bar.addMenu(QString());
    m_file->addAction(&action(OpenPicture));
    m_recent = m_file->addMenu(QString());
    m_recent->setToolTipsVisible(true);
    m_file->addSeparator();
    m_file->addAction(&action(OpenJob));
    m_file->addAction(&action(SaveJob));
    m_file->addAction(&action(SaveJobAs));
    m_file->addSeparator();
    m_file->addAction(&action(ExportBoard));
    m_file->addSeparator();
    m_file->addAction(&action(Quit));

    m_edit = bar.addMenu(QString());
    m_edit->addActions({&action(C::Undo), &action(C::Redo)});
    m_edit->addSeparator();
    m_edit->addActions(
        {&action(C::MirrorLeftRight), &action(C::MirrorTopBottom), &action(C::SizeAndPosition)});
    m_edit->addSeparator();
    m_edit->addAction(&action(AddCode));

    m_machine = bar.addMenu(QString());
    m_machine->addActions({&action(C::Connect), &action(C::Break)});
    m_machine->addSeparator();
    m_machine->addActions(
        {&action(C::SendImage), &action(C::Start), &action(C::Pause), &action(C::Restart)});
    m_machine->addSeparator();
    m_machine->addActions({&action(C::PowerOff), &action(CheckConnection), &action(C::Settings),
                           &action(C::MachineSize)});

    // Ctrl+= too, where + needs Shift.
    action(ZoomIn).setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    action(ZoomOut).setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    action(ActualSize).setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    m_view = bar.addMenu(QString());
    m_view->addActions({&action(ZoomIn), &action(ZoomOut), &action(ActualSize)});
    m_view->addSeparator();
    m_language = m_view->addMenu(QString());
    m_languageGroup = new QActionGroup(this);
    m_languageGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (int i = 0; i < LanguageCount; ++i) {
        // The combo box's own items: each language named in itself, never translated.
        auto *entry = new QAction(m_languageBox.itemText(i), m_languageGroup);
        entry->setObjectName(u"languageAction%1"_s.arg(i));
        entry->setCheckable(true);
        m_language->addAction(entry);
        m_languages[std::size_t(i)] = entry;
        connect(entry, &QAction::triggered, &m_languageBox,
                [this, i] { m_languageBox.setCurrentIndex(i); });
    }

    m_help = bar.addMenu(QString());
    m_help->addActions({&action(UserGuide), &action(Help), &action(About)});
    connect(&action(UserGuide), &QAction::triggered, this, &MainMenu::showUserGuide);
}

void MainMenu::bindCommands(session::Session &session)
{
    for (const session::CommandSpec &spec : session::commandTable()) {
        if (!spec.actionName) continue;
        QAction &a = action(spec.id);
        session::Command &command = session.command(spec.id);
        const auto show = [&a, &command] {
            a.setEnabled(command.isEnabled());
            a.setVisible(command.isVisible());
            a.setStatusTip(command.whyNot());
        };
        show();
        connect(&command, &session::Command::changed, &a, show);
        // Those that open a window of the program's have no command to run; the window opens it.
        connect(&a, &QAction::triggered, &command, &session::Command::trigger);
    }
}

void MainMenu::showRecent(const QStringList &paths)
{
    m_recentPaths = paths;
    m_recent->clear();
    if (paths.isEmpty()) {
        m_recent->addAction(tr("No recent files"))->setEnabled(false);
        return;
    }
    // A deep path is cut in its middle, where its folders are: the start and the name stay.
    const int widest = m_recent->fontMetrics().averageCharWidth() * RecentEntryCharacters;
    for (qsizetype i = 0; i < paths.size(); ++i) {
        const QString path = paths[i];
        const QString whole = platform::displayFileName(QDir::toNativeSeparators(path));
        QString shown = m_recent->fontMetrics().elidedText(whole, Qt::ElideMiddle, widest);
        shown.replace(u'&', u"&&"_s);
        const QString number = i < 9 ? u"&%1"_s.arg(i + 1) : u"1&0"_s;
        QAction *entry = m_recent->addAction(number + u"  "_s + shown);
        entry->setToolTip(ui::plainToolTip(whole));
        connect(entry, &QAction::triggered, this, [this, path] { emit recentChosen(path); });
    }
}

void MainMenu::showLanguage(int index)
{
    for (int i = 0; i < LanguageCount; ++i) m_languages[std::size_t(i)]->setChecked(i == index);
}

void MainMenu::retranslate()
{
    for (const session::CommandSpec &spec : session::commandTable())
        if (spec.menuText)
            action(spec.id).setText(
                QCoreApplication::translate(session::MenuContext, spec.menuText));
    m_file->setTitle(tr("&File"));
    action(OpenPicture).setText(tr("&Open Picture…"));
    m_recent->setTitle(tr("Open &Recent"));
    action(OpenJob).setText(tr("Open &Job…"));
    action(SaveJob).setText(tr("&Save Job"));
    action(SaveJobAs).setText(tr("Save Job &As…"));
    action(ExportBoard).setText(tr("&Export Board as PNG…"));
    action(Quit).setText(tr("&Quit"));

    m_edit->setTitle(tr("&Edit"));
    action(AddCode).setText(tr("Add &Code…"));

    m_machine->setTitle(tr("&Machine"));
    action(CheckConnection).setText(tr("C&heck Connection…"));

    m_view->setTitle(tr("&View"));
    action(ZoomIn).setText(tr("Zoom &In"));
    action(ZoomOut).setText(tr("Zoom &Out"));
    action(ActualSize).setText(tr("&Actual Size"));
    m_language->setTitle(tr("&Language"));

    m_help->setTitle(tr("&Help"));
    action(UserGuide).setText(tr("&User Guide"));
    action(Help).setText(tr("Tavro Laser &Help"));
    action(About).setText(tr("&About Tavro Laser"));

    showRecent(m_recentPaths);
    if (m_guide) m_guide->showLanguage(m_languageBox.currentIndex());
    emit retranslated();
}

void MainMenu::showUserGuide()
{
    // Beside the program's window, not in its way: the guide is read while working.
    if (!m_guide) m_guide = new UserGuideWindow(m_languageBox.window());
    m_guide->showLanguage(m_languageBox.currentIndex());
    m_guide->show();
    m_guide->raise();
    m_guide->activateWindow();
}

}  // namespace tavro::shell
