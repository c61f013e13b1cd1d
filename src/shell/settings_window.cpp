#include "shell/settings_window.h"

#include "session/session.h"
#include "shell/desktop.h"
#include "ui/centre_on_screen.h"
#include "ui_settings_window.h"

#include <QMouseEvent>
#include <QShowEvent>
#include <QUrl>

using namespace Qt::Literals::StringLiterals;

namespace tavro::shell {

SettingsWindow::SettingsWindow(session::Session &session, Desktop &desktop, QWidget *parent)
    : QDialog(parent),
      m_ui(std::make_unique<Ui::SettingsWindow>()),
      m_session(session),
      m_desktop(desktop)
{
    m_ui->setupUi(this);
    m_reverseXButton = m_ui->按钮x;
    m_reverseYButton = m_ui->按钮y;
    m_versionLabel = m_ui->标签5;
    m_visitLabel = m_ui->标签2;
    m_siteLabel = m_ui->标签6;
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(size());
    // The shown host and the opened address must name the same site.
    m_siteLabel->setText(QUrl(platform::MakerSite).host());
    // "Visit us:" only leads in to the link; clicks on its blank tail belong to the link.
    m_visitLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    applyFonts();
    makeConnections();
}

SettingsWindow::~SettingsWindow() = default;

void SettingsWindow::applyFonts()
{
    // Character heights in pixels, so the window looks the same on any screen.
    QFont calibri(u"Calibri"_s);
    calibri.setPixelSize(12);
    for (QWidget *w :
         {static_cast<QWidget *>(m_ui->分组框1), static_cast<QWidget *>(m_ui->标签1),
          static_cast<QWidget *>(m_reverseXButton), static_cast<QWidget *>(m_reverseYButton),
          static_cast<QWidget *>(m_ui->分组框4)})
        w->setFont(calibri);
    QFont version(u"Calibri"_s);
    version.setPixelSize(21);
    m_versionLabel->setFont(version);
    QFont arial(u"Arial"_s);
    arial.setPixelSize(14);
    m_visitLabel->setFont(arial);
    arial.setUnderline(true);
    m_siteLabel->setFont(arial);
}

void SettingsWindow::makeConnections()
{
    connect(m_reverseXButton, &QPushButton::clicked, this, [this] { m_session.reverseMotor(1); });
    connect(m_reverseYButton, &QPushButton::clicked, this, [this] { m_session.reverseMotor(2); });
    m_siteLabel->installEventFilter(this);
}

bool SettingsWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_siteLabel && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        m_desktop.openMakerSite();
    }
    return QDialog::eventFilter(watched, event);
}

void SettingsWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Centred on the screen, not over the main window.
    if (!event->spontaneous()) ui::centreOnScreen(*this);
}

}  // namespace tavro::shell
