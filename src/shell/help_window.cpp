#include "shell/help_window.h"

#include "ui/centre_on_screen.h"
#include "ui_help_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMouseEvent>
#include <QPixmap>
#include <QShowEvent>

using namespace Qt::Literals::StringLiterals;

namespace tavro::shell {
namespace {

const char16_t *const AnswerFiles[HelpWindow::QuestionCount] = {
    u"answer_1.jpg", u"answer_2.jpg", u"answer_3.jpg", u"answer_4.jpg",
    u"answer_5.png", u"answer_6.png", u"answer_7.png", u"answer_8.png"};

QByteArray helpPicture(const QString &name)
{
    QFile file(u":/assets/help/"_s + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

bool opensHelp(Qt::KeyboardModifiers modifiers)
{
    // The key state counts Ctrl, Shift and Alt only.
    return (modifiers & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier)) ==
           Qt::ControlModifier;
}

HelpWindow::HelpWindow(Desktop &desktop, QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::HelpWindow>()), m_desktop(desktop)
{
    m_ui->setupUi(this);
    m_questionList = m_ui->分组框1;
    m_pictureBox = m_ui->图片框1;
    m_questions = {m_ui->标签1, m_ui->标签2, m_ui->标签3, m_ui->标签4,
                   m_ui->标签5, m_ui->标签6, m_ui->标签7, m_ui->标签8};
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(size());
    applyFonts();
    setPicture(helpStartPicture());
    // The installer may prompt for a password on the terminal the program runs in.
    m_installer.setProcessChannelMode(QProcess::ForwardedChannels);
    m_installer.setInputChannelMode(QProcess::ForwardedInputChannel);
    makeConnections();
}

HelpWindow::~HelpWindow() = default;

QByteArray HelpWindow::helpStartPicture()
{
    return helpPicture(u"help_start.png"_s);
}

QByteArray HelpWindow::answerPicture(int question)
{
    if (question < 1 || question > QuestionCount) return {};
    return helpPicture(QString::fromUtf16(AnswerFiles[question - 1]));
}

QString HelpWindow::driverInstallerPath()
{
    // The variable serves tests and programs run from the build tree (scripts/run sets it). An
    // installed program looks only in its own installed folder, never in a build folder.
    const QString chosen = qEnvironmentVariable("TAVRO_SERIAL_ACCESS");
    if (!chosen.isEmpty()) return chosen;
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + u'/' +
                           QStringLiteral(TAVRO_SERIAL_ACCESS_FROM_BIN));
}

void HelpWindow::applyFonts()
{
    QFont caption(u"微软雅黑"_s);
    caption.setPixelSize(12);
    m_questionList->setFont(caption);
    QFont question(u"微软雅黑"_s);
    question.setPixelSize(16);
    question.setUnderline(true);
    for (QLabel *label : questionLabels()) label->setFont(question);
}

void HelpWindow::makeConnections()
{
    for (QLabel *label : questionLabels()) label->installEventFilter(this);
    m_pictureBox->installEventFilter(this);
    connect(&m_installer, &QProcess::finished, &m_installerWait, &QEventLoop::quit);
    connect(&m_installer, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart) return;
        m_installerFailedToStart = true;
        m_installerWait.quit();
    });
}

QList<QLabel *> HelpWindow::questionLabels() const
{
    return m_questions;
}

void HelpWindow::setPicture(const QByteArray &data)
{
    m_pictureData = data;
    QPixmap picture;
    picture.loadFromData(data);
    m_pictureBox->setPixmap(picture);
}

void HelpWindow::showAnswerPicture(int question)
{
    if (question < 1 || question > QuestionCount) return;
    setPicture(answerPicture(question));
}

void HelpWindow::installDriverFromHelp()
{
    if (m_installing || m_pictureData.isEmpty() || m_pictureData != answerPicture(1)) return;
    m_installing = true;
    m_desktop.messageBox(u"等下有一个窗口跳出来，点击 安装 按钮，等待一下 就安装好了。"_s,
                         BoxButtons::Ok, u"怎么安装驱动？"_s);
    // Disabled rather than blocked: it still repaints, and the main window's timers and
    // serial events go on, but no second double click can start another installer.
    setEnabled(false);
    const bool started = runInstaller(driverInstallerPath());
    setEnabled(true);
    m_installing = false;
    if (!started)
        m_desktop.messageBox(u"安装失败，请关闭本软件，然后右键选择 以管理员身份运行 "_s,
                             BoxButtons::Ok, u"安装失败！"_s);
}

bool HelpWindow::runInstaller(const QString &path)
{
    m_installerFailedToStart = false;
    const QFileInfo file(path);
    if (path.isEmpty() || !file.isFile() || !file.isExecutable()) return false;
    m_installer.start(path, {});
    // A start that fails at once has already reported it; the loop would never be quit.
    if (m_installer.state() != QProcess::NotRunning) m_installerWait.exec();
    return !m_installerFailedToStart;
}

bool HelpWindow::eventFilter(QObject *watched, QEvent *event)
{
    const auto leftButton = [event] {
        return static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
    };
    if (event->type() == QEvent::MouseButtonRelease && leftButton()) {
        const auto question = questionLabels().indexOf(qobject_cast<QLabel *>(watched));
        if (question >= 0) showAnswerPicture(int(question) + 1);
    } else if (event->type() == QEvent::MouseButtonDblClick && watched == m_pictureBox &&
               leftButton()) {
        installDriverFromHelp();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void HelpWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Centred on the screen, not over the main window.
    if (!event->spontaneous()) ui::centreOnScreen(*this);
}

void HelpWindow::closeEvent(QCloseEvent *event)
{
    // The installer's end is awaited inside this window; it must outlive the wait.
    if (m_installing) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

}  // namespace tavro::shell
