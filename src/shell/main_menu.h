// The menu bar over the window's layout: files, the board's edits, the machine's buttons again,
// the view and its language, help.
#pragma once

#include "session/session.h"
#include "shell/captions.h"

#include <QObject>
#include <QPointer>

#include <array>

class QAction;
class QActionGroup;
class QComboBox;
class QMenu;
class QMenuBar;

namespace tavro::shell {

class UserGuideWindow;

class MainMenu final : public QObject {
    Q_OBJECT
public:
    // An Open Recent entry is at most about this wide; its tooltip holds the whole path.
    static constexpr int RecentEntryCharacters = 70;

    // The window's own entries; the session's commands have theirs from its command table.
    enum Command {
        OpenPicture,
        OpenJob,
        SaveJob,
        SaveJobAs,
        ExportBoard,
        Quit,
        CheckConnection,
        UserGuide,
        Help,
        About,
        ZoomIn,
        ZoomOut,
        ActualSize,
        AddCode,
        CommandCount
    };

    // The machine's entries are the session's commands, as the buttons are; the language
    // entries and the combo box follow each other.
    MainMenu(QMenuBar &bar, session::Session &session, QComboBox &language,
             QObject *parent = nullptr);
    ~MainMenu() override;

    QAction &action(Command command) const { return *m_actions[command]; }
    // The entry of a session command that has one.
    QAction &action(session::CommandId command) const
    {
        return *m_commandActions[std::size_t(command)];
    }
    QAction &languageAction(int index) const { return *m_languages[std::size_t(index)]; }
    QMenu &recentMenu() const { return *m_recent; }
    // For entries of their own that others add.
    QMenu &machineMenu() const { return *m_machine; }
    QMenu &viewMenu() const { return *m_view; }

    // The entries of Open Recent, newest first.
    void showRecent(const QStringList &paths);
    // Checks the entry of the language the window shows; none for -1.
    void showLanguage(int index);
    // Every text again, in the language of the installed translation.
    void retranslate();
    // Opens the user guide in the window's language, or brings it to the front.
    void showUserGuide();

signals:
    void recentChosen(const QString &path);
    // After every retranslate(): entries others added follow the language with the menus.
    void retranslated();

private:
    void build(QMenuBar &bar);
    void bindCommands(session::Session &session);

    QComboBox &m_languageBox;
    std::array<QAction *, CommandCount> m_actions{};
    std::array<QAction *, session::CommandCount> m_commandActions{};
    std::array<QAction *, LanguageCount> m_languages{};
    QActionGroup *m_languageGroup = nullptr;
    QMenu *m_file = nullptr;
    QMenu *m_edit = nullptr;
    QMenu *m_recent = nullptr;
    QMenu *m_machine = nullptr;
    QMenu *m_view = nullptr;
    QMenu *m_language = nullptr;
    QMenu *m_help = nullptr;
    QStringList m_recentPaths;
    QPointer<UserGuideWindow> m_guide;
};

}  // namespace tavro::shell
