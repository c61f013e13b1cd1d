// The program's window: the menu bar above the layout's window, which keeps its 1019 x 655,
// room for a status bar below (setStatusBar; the window grows by its height), and one drop
// target for all of it.
#pragma once

#include "shell/interface_translator.h"

#include <QMainWindow>

#include <functional>
#include <memory>

namespace tavro::job {
class JobControls;
}
namespace tavro::link {
class EngraverLink;
}
namespace tavro::platform {
class ProfileFile;
class Prompter;
}  // namespace tavro::platform

namespace tavro::shell {

class JobDocument;
class JobGuard;
class MainMenu;
class MainWindow;
class RecentFiles;

class AppWindow final : public QMainWindow {
    Q_OBJECT
public:
    enum class FileQuestion { OpenPicture, OpenJob, SaveJob, ExportBoard };

    AppWindow(MainWindow &main, link::EngraverLink &link, job::JobControls &jobs,
              platform::ProfileFile &settings, platform::Prompter &prompter, JobGuard &guard,
              QWidget *parent = nullptr);
    // Hands the layout's window back to its owner.
    ~AppWindow() override;

    MainWindow &mainWindow() { return m_main; }
    MainMenu &menu() { return *m_menu; }
    JobDocument &document() { return *m_document; }
    RecentFiles &recentFiles() { return *m_recent; }
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

    // Replaced by tests: the file the operator picks, empty when cancelled; the dialog starts
    // at `suggested`.
    std::function<QString(FileQuestion question, const QString &suggested)> askFile;
    // Replaced by tests: how About is shown.
    std::function<void(const QString &title, const QString &text)> aboutBox;
    // The device node of a port number; main() gives the program's own port table.
    std::function<QString(int port)> devicePath;

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
    QString chooseFile(FileQuestion question, const QString &suggested);
    QString startFolder() const;
    QString suggestedJobPath() const;

    MainWindow &m_main;
    link::EngraverLink &m_link;
    platform::Prompter &m_prompter;
    JobGuard &m_guard;
    std::unique_ptr<JobDocument> m_document;
    std::unique_ptr<RecentFiles> m_recent;
    MainMenu *m_menu = nullptr;
    InterfaceTranslator m_translator;
};

}  // namespace tavro::shell
