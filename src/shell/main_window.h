// The program's top-level window: the menu bar above the layout's panel, which keeps its
// 1019 x 655, room for a status bar below (setStatusBar; the window grows by its height), and
// one drop target for all of it.
#pragma once

#include "settings/profile_file.h"
#include "shell/interface_translator.h"

#include <QMainWindow>

#include <memory>

namespace tavro::session {
class Session;
}  // namespace tavro::session

namespace tavro::shell {

class Desktop;
class MainMenu;
class MainPanel;
class RecentFiles;

class MainWindow final : public QMainWindow {
    Q_OBJECT
public:
    // `settings` keeps the window's own choices (the recent files) in Config.ini.
    MainWindow(session::Session &session, MainPanel &panel, settings::ProfileFile &settings,
               Desktop &desktop, QWidget *parent = nullptr);
    // Hands the panel back to its owner.
    ~MainWindow() override;

    MainPanel &panel() { return m_panel; }
    MainMenu &menu() { return *m_menu; }
    const InterfaceTranslator &translator() const { return m_translator; }

    // A drop anywhere on the window, a file named on the command line, Open Picture and Open
    // Recent: one job file opens as the job it holds, told by its content; anything else goes
    // to the effect chooser as a picture drop.
    void dropFiles(const QString &paths);

    // The file menu's entries.
    void openPicture();
    void openJob();
    bool saveJob();
    bool saveJobAs();
    void exportBoard();
    void openRecent(const QString &path);
    void showAbout();
    // Version, licence and the serial port in use.
    QString aboutText() const;

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void makeConnections();
    void followLanguage(int index);
    void openJobFile(const QString &path);
    void refreshRecent();
    void showTitle();
    QString startFolder() const;
    QString suggestedJobPath() const;

    session::Session &m_session;
    MainPanel &m_panel;
    Desktop &m_desktop;
    QString m_layoutTitle;
    std::unique_ptr<RecentFiles> m_recent;
    MainMenu *m_menu = nullptr;
    InterfaceTranslator m_translator;
};

}  // namespace tavro::shell
