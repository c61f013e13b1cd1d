#include "shell/main_window.h"

#include "document/job_file.h"
#include "platform/browser.h"
#include "platform/file_name.h"
#include "render/raster_constants.h"
#include "session/session.h"
#include "shell/desktop.h"
#include "shell/main_menu.h"
#include "shell/main_panel.h"
#include "shell/recent_files.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStandardPaths>

using namespace Qt::Literals::StringLiterals;

namespace tavro::shell {
namespace {

const QString Version = QStringLiteral(TAVRO_VERSION);

QStringList localFiles(const QMimeData &data)
{
    QStringList paths;
    for (const QUrl &url : data.urls())
        if (url.isLocalFile()) paths << platform::localFileFromUrl(url);  // odd bytes kept
    return paths;
}

bool isSinglePath(const QString &paths)
{
    return !paths.isEmpty() && !paths.contains(u"\r\n"_s);
}

}  // namespace

MainWindow::MainWindow(session::Session &session, MainPanel &panel, settings::ProfileFile &settings,
                       Desktop &desktop, QWidget *parent)
    : QMainWindow(parent),
      m_session(session),
      m_panel(panel),
      m_desktop(desktop),
      m_layoutTitle(panel.windowTitle()),
      m_recent(std::make_unique<RecentFiles>(settings))
{
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setWindowIcon(QIcon(u":/assets/tavro.png"_s));
    setCentralWidget(&panel);
    // Not resizable; the window is as large as the layout plus what sits around it, so a
    // status bar added later makes it taller by exactly its own height.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    m_menu = new MainMenu(*menuBar(), session, panel.languageBox(), this);
    makeConnections();
    refreshRecent();
    showTitle();
}

MainWindow::~MainWindow()
{
    takeCentralWidget();
}

void MainWindow::makeConnections()
{
    MainMenu &menu = *m_menu;
    connect(&menu.action(MainMenu::OpenPicture), &QAction::triggered, this,
            &MainWindow::openPicture);
    connect(&menu.action(MainMenu::OpenJob), &QAction::triggered, this, &MainWindow::openJob);
    connect(&menu.action(MainMenu::SaveJob), &QAction::triggered, this, &MainWindow::saveJob);
    connect(&menu.action(MainMenu::SaveJobAs), &QAction::triggered, this, &MainWindow::saveJobAs);
    connect(&menu.action(MainMenu::ExportBoard), &QAction::triggered, this,
            &MainWindow::exportBoard);
    connect(&menu.action(MainMenu::Quit), &QAction::triggered, this, &MainWindow::close);
    connect(&menu.action(session::CommandId::Settings), &QAction::triggered, &m_panel,
            &MainPanel::openSettings);
    connect(&menu.action(MainMenu::Help), &QAction::triggered, &m_panel,
            &MainPanel::openHelpOnCtrlRelease);
    connect(&menu.action(MainMenu::About), &QAction::triggered, this, &MainWindow::showAbout);
    connect(&menu.recentMenu(), &QMenu::aboutToShow, this, &MainWindow::refreshRecent);
    connect(&menu, &MainMenu::recentChosen, this, &MainWindow::openRecent);
    connect(&m_panel, &MainPanel::languageApplied, this, &MainWindow::followLanguage);
    connect(&m_session.document(), &document::JobDocument::fileChanged, this,
            &MainWindow::showTitle);
}

void MainWindow::showTitle()
{
    const document::JobDocument &document = m_session.document();
    if (document.path().isEmpty()) {
        setWindowTitle(m_layoutTitle);
    } else {
        const QString name = platform::displayFileName(QFileInfo(document.path()).fileName());
        setWindowTitle(name + u"[*] — "_s + m_layoutTitle);
    }
    setWindowModified(document.isModified());
}

void MainWindow::followLanguage(int index)
{
    m_translator.apply(index);
    m_menu->showLanguage(index);
    // Qt posts the change to every window as well; the menus need not wait for it.
    m_menu->retranslate();
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) m_menu->retranslate();
    QMainWindow::changeEvent(event);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // A running job is paused and kept first, or the operator keeps the program open.
    if (!m_session.prepareQuit()) {
        event->ignore();
        return;
    }
    // The program lives as long as this window, whatever other window is still open.
    event->accept();
    m_desktop.quit();
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!localFiles(*event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QStringList paths = localFiles(*event->mimeData());
    if (paths.isEmpty()) return;  // text and remote links are not pictures to take
    event->acceptProposedAction();
    dropFiles(paths.size() == 1 ? paths.first() : paths.join(u"\r\n"_s) + u"\r\n"_s);
}

void MainWindow::dropFiles(const QString &paths)
{
    const bool single = isSinglePath(paths);
    if (single && document::isJobFile(paths)) {
        openJobFile(paths);
        return;
    }
    pictures::LoadedPicture decoded;
    if (single) {
        // Said at once, and nothing opened: not two blank renderings and a line in the log.
        decoded = pictures::loadPicture(paths, {.drawSize = render::ProcessingSize});
        if (!decoded.isReadable()) {
            m_desktop.messageBox(
                tr("%1 cannot be opened as a picture: %2.")
                    .arg(platform::displayFileName(QFileInfo(paths).fileName()), decoded.error),
                BoxButtons::Ok, tr("Open Picture"));
            return;
        }
    }
    if (!m_panel.dropFiles(paths, decoded)) return;
    if (single) m_recent->add(QFileInfo(paths).absoluteFilePath());
}

void MainWindow::openPicture()
{
    const QString path = m_desktop.askFile(FileQuestion::OpenPicture, startFolder(), this);
    if (!path.isEmpty()) dropFiles(path);
}

void MainWindow::openJob()
{
    const QString path = m_desktop.askFile(FileQuestion::OpenJob, startFolder(), this);
    if (!path.isEmpty()) openJobFile(path);
}

void MainWindow::openJobFile(const QString &path)
{
    if (m_session.openJob(path)) m_recent->add(path);
}

bool MainWindow::saveJob()
{
    const QString &path = m_session.document().path();
    if (path.isEmpty()) return saveJobAs();
    return m_session.saveJob(path);
}

bool MainWindow::saveJobAs()
{
    const QString path =
        document::jobFilePath(m_desktop.askFile(FileQuestion::SaveJob, suggestedJobPath(), this));
    if (path.isEmpty() || !m_session.saveJob(path)) return false;
    m_recent->add(path);
    return true;
}

void MainWindow::exportBoard()
{
    QString path = m_desktop.askFile(FileQuestion::ExportBoard,
                                     QDir(startFolder()).filePath(u"board.png"_s), this);
    if (path.isEmpty()) return;
    if (!QFileInfo(path).fileName().contains(u'.')) path += u".png"_s;
    m_session.exportBoard(path);
}

void MainWindow::openRecent(const QString &path)
{
    if (!QFileInfo::exists(path)) {
        m_recent->remove(path);
        refreshRecent();
        m_desktop.messageBox(tr("%1 is no longer there and was taken off the list.")
                                 .arg(QDir::toNativeSeparators(path)),
                             BoxButtons::Ok, tr("Open Recent"));
        return;
    }
    dropFiles(path);
}

void MainWindow::refreshRecent()
{
    m_menu->showRecent(m_recent->prune());
}

QString MainWindow::aboutText() const
{
    const QString port = m_session.machine().portName;
    return tr("Tavro Laser %1\n\nThe desktop controller of a small laser engraver.\n\n"
              "Licence: MIT\nSerial port: %2\n\n%3")
        .arg(Version, port.isEmpty() ? tr("not connected") : port, platform::MakerSite);
}

void MainWindow::showAbout()
{
    m_desktop.showAbout(tr("About Tavro Laser"), aboutText(), this);
}

QString MainWindow::startFolder() const
{
    for (const QString &path : m_recent->paths())
        if (const QFileInfo info(path); info.dir().exists()) return info.absolutePath();
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return QDir(pictures).exists() ? pictures : QDir::homePath();
}

QString MainWindow::suggestedJobPath() const
{
    const document::JobDocument &document = m_session.document();
    if (!document.path().isEmpty()) return document.path();
    const QString picture = document.picturePath();
    if (isSinglePath(picture)) {
        const QFileInfo info(picture);
        if (info.dir().exists())
            return info.dir().filePath(info.completeBaseName() + document::JobFileSuffix);
    }
    return QDir(startFolder()).filePath(u"job"_s + document::JobFileSuffix);
}

}  // namespace tavro::shell
