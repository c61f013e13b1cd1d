#include "shell/app_window.h"

#include "job/job_file.h"
#include "link/engraver_link.h"
#include "platform/browser.h"
#include "platform/file_name.h"
#include "platform/picture_format.h"
#include "platform/port_table.h"
#include "platform/prompter.h"
#include "shell/job_document.h"
#include "shell/job_guard.h"
#include "shell/main_menu.h"
#include "shell/main_window.h"
#include "shell/recent_files.h"
#include "workspace/board_editor.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
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

AppWindow::AppWindow(MainWindow &main, link::EngraverLink &link, job::JobControls &jobs,
                     platform::ProfileFile &settings, platform::Prompter &prompter, JobGuard &guard,
                     QWidget *parent)
    : QMainWindow(parent),
      devicePath([](int port) { return platform::PortTable::fromEnvironment().devicePath(port); }),
      m_main(main),
      m_link(link),
      m_prompter(prompter),
      m_guard(guard),
      m_document(std::make_unique<JobDocument>(main, jobs, link, settings, prompter)),
      m_recent(std::make_unique<RecentFiles>(settings))
{
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(main.windowTitle());  // the layout's title
    setWindowIcon(QIcon(u":/assets/tavro.png"_s));
    setCentralWidget(&main);
    // Not resizable; the window is as large as the layout plus what sits around it, so a
    // status bar added later makes it taller by exactly its own height.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    m_menu = new MainMenu(*menuBar(), main.menuUnits(), this);
    askFile = [this](FileQuestion question, const QString &suggested) {
        return chooseFile(question, suggested);
    };
    aboutBox = [this](const QString &title, const QString &text) {
        QMessageBox::about(this, title, text);
    };
    makeConnections();
    refreshRecent();
}

AppWindow::~AppWindow()
{
    takeCentralWidget();
}

void AppWindow::makeConnections()
{
    MainMenu &menu = *m_menu;
    connect(&menu.action(MainMenu::OpenPicture), &QAction::triggered, this,
            &AppWindow::openPicture);
    connect(&menu.action(MainMenu::OpenJob), &QAction::triggered, this, &AppWindow::openJob);
    connect(&menu.action(MainMenu::SaveJob), &QAction::triggered, this, &AppWindow::saveJob);
    connect(&menu.action(MainMenu::SaveJobAs), &QAction::triggered, this, &AppWindow::saveJobAs);
    connect(&menu.action(MainMenu::ExportBoard), &QAction::triggered, this,
            &AppWindow::exportBoard);
    connect(&menu.action(MainMenu::Quit), &QAction::triggered, this, &AppWindow::close);
    connect(&menu.action(MainMenu::Help), &QAction::triggered, &m_main,
            &MainWindow::openHelpOnCtrlRelease);
    connect(&menu.action(MainMenu::About), &QAction::triggered, this, &AppWindow::showAbout);
    connect(&menu.recentMenu(), &QMenu::aboutToShow, this, &AppWindow::refreshRecent);
    connect(&menu, &MainMenu::recentChosen, this, &AppWindow::openRecent);
    connect(&m_main, &MainWindow::languageApplied, this, &AppWindow::followLanguage);
}

void AppWindow::followLanguage(int index)
{
    m_translator.apply(index);
    m_menu->showLanguage(index);
    // Qt posts the change to every window as well; the menus need not wait for it.
    m_menu->retranslate();
}

void AppWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) m_menu->retranslate();
    QMainWindow::changeEvent(event);
}

void AppWindow::closeEvent(QCloseEvent *event)
{
    // The program lives as long as this window, whatever other window is still open.
    event->accept();
    m_main.quit();
}

void AppWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!localFiles(*event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void AppWindow::dropEvent(QDropEvent *event)
{
    const QStringList paths = localFiles(*event->mimeData());
    if (paths.isEmpty()) return;  // text and remote links are not pictures to take
    event->acceptProposedAction();
    dropFiles(paths.size() == 1 ? paths.first() : paths.join(u"\r\n"_s) + u"\r\n"_s);
}

void AppWindow::dropFiles(const QString &paths)
{
    const bool single = isSinglePath(paths);
    if (single && job::isJobFile(paths)) {
        openJobFile(paths);
        return;
    }
    if (!m_main.dropFiles(paths)) return;
    m_document->forgetPath();  // a new picture is a new job
    if (single && QFileInfo(paths).isFile()) m_recent->add(QFileInfo(paths).absoluteFilePath());
}

void AppWindow::openPicture()
{
    const QString path = askFile(FileQuestion::OpenPicture, startFolder());
    if (!path.isEmpty()) dropFiles(path);
}

void AppWindow::openJob()
{
    const QString path = askFile(FileQuestion::OpenJob, startFolder());
    if (!path.isEmpty()) openJobFile(path);
}

void AppWindow::openJobFile(const QString &path)
{
    if (!m_guard.allows(JobGuard::Action::OpenJob)) return;
    if (m_document->open(path)) m_recent->add(path);
}

bool AppWindow::saveJob()
{
    if (m_document->path().isEmpty()) return saveJobAs();
    return m_document->save(m_document->path());
}

bool AppWindow::saveJobAs()
{
    const QString path = job::jobFilePath(askFile(FileQuestion::SaveJob, suggestedJobPath()));
    if (path.isEmpty() || !m_document->save(path)) return false;
    m_recent->add(path);
    return true;
}

void AppWindow::exportBoard()
{
    QString path = askFile(FileQuestion::ExportBoard, QDir(startFolder()).filePath(u"board.png"_s));
    if (path.isEmpty()) return;
    if (!QFileInfo(path).fileName().contains(u'.')) path += u".png"_s;
    m_document->exportBoard(path);
}

void AppWindow::openRecent(const QString &path)
{
    if (!m_recent->exists(path)) {
        m_recent->remove(path);
        refreshRecent();
        m_prompter.inform(tr("%1 is no longer there and was taken off the list.")
                              .arg(QDir::toNativeSeparators(path)),
                          tr("Open Recent"));
        return;
    }
    dropFiles(path);
}

void AppWindow::refreshRecent()
{
    m_menu->showRecent(m_recent->prune());
}

QString AppWindow::aboutText() const
{
    QString port = tr("not connected");
    if (m_link.state() == link::LinkState::Identified) {
        const int number = m_link.connectedPort();
        const QString device = devicePath ? devicePath(number) : QString();
        port = device.isEmpty() ? u"COM%1"_s.arg(number) : u"COM%1 (%2)"_s.arg(number).arg(device);
    }
    return tr("Tavro Laser %1\n\nThe desktop controller of a small laser engraver.\n\n"
              "Licence: MIT\nSerial port: %2\n\n%3")
        .arg(Version, port, platform::MakerSite);
}

void AppWindow::showAbout()
{
    aboutBox(tr("About Tavro Laser"), aboutText());
}

QString AppWindow::startFolder() const
{
    for (const QString &path : m_recent->paths())
        if (const QFileInfo info(path); info.dir().exists()) return info.absolutePath();
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return QDir(pictures).exists() ? pictures : QDir::homePath();
}

QString AppWindow::suggestedJobPath() const
{
    if (!m_document->path().isEmpty()) return m_document->path();
    const QString picture = m_main.editor().picturePath();
    if (isSinglePath(picture)) {
        const QFileInfo info(picture);
        if (info.dir().exists())
            return info.dir().filePath(info.completeBaseName() + job::JobFileSuffix);
    }
    return QDir(startFolder()).filePath(u"job"_s + job::JobFileSuffix);
}

QString AppWindow::chooseFile(FileQuestion question, const QString &suggested)
{
    const QString allFiles = tr("All files (*)");
    const QString jobs = tr("Tavro Laser jobs (*%1)").arg(job::JobFileSuffix);
    QFileDialog dialog(this);
    dialog.setDirectory(QFileInfo(suggested).isDir() ? suggested : QFileInfo(suggested).path());
    if (!QFileInfo(suggested).isDir()) dialog.selectFile(QFileInfo(suggested).fileName());
    switch (question) {
    case FileQuestion::OpenPicture:
        dialog.setWindowTitle(tr("Open Picture"));
        // The loader knows a picture by its content; the names only narrow the list.
        dialog.setNameFilters(
            {tr("Pictures (%1)").arg(platform::pictureNamePatterns().join(u' ')), allFiles});
        dialog.setFileMode(QFileDialog::ExistingFile);
        break;
    case FileQuestion::OpenJob:
        dialog.setWindowTitle(tr("Open Job"));
        dialog.setNameFilters({jobs, allFiles});
        dialog.setFileMode(QFileDialog::ExistingFile);
        break;
    case FileQuestion::SaveJob:
        dialog.setWindowTitle(tr("Save Job"));
        dialog.setNameFilters({jobs});
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(job::JobFileSuffix.sliced(1));
        break;
    case FileQuestion::ExportBoard:
        dialog.setWindowTitle(tr("Export Board as PNG"));
        dialog.setNameFilters({tr("PNG pictures (*.png)")});
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(u"png"_s);
        break;
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

}  // namespace tavro::shell
