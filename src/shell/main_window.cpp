#include "shell/main_window.h"

#include "job/job_controls.h"
#include "job/ui/effect_chooser_window.h"
#include "link/engraver_link.h"
#include "platform/browser.h"
#include "platform/file_name.h"
#include "platform/hot_keys.h"
#include "platform/profile_file.h"
#include "shell/burn_time_input.h"
#include "shell/captions.h"
#include "shell/help_window.h"
#include "shell/job_guard.h"
#include "shell/settings_window.h"
#include "ui_main_window.h"
#include "workspace/board_editor.h"
#include "workspace/keyboard_control.h"
#include "workspace/location_modes.h"
#include "workspace/preview_board.h"
#include "workspace/text_engraving.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QProgressBar>
#include <QSignalBlocker>

using namespace Qt::Literals::StringLiterals;

namespace tavro::shell {
namespace {

struct UnitFont {
    const char16_t *family;
    int pixels;
    bool bold;
    QList<QWidget *> units;
};

QFont fontOf(const UnitFont &f)
{
    QFont font(QString::fromUtf16(f.family));
    font.setPixelSize(f.pixels);
    font.setBold(f.bold);
    return font;
}

}  // namespace

MainWindow::MainWindow(link::EngraverLink &link, job::JobControls &jobs,
                       platform::ProfileFile &settings, platform::Clock &clock,
                       BoxPrompter &prompter, JobGuard &guard, QWidget *parent)
    : QWidget(parent),
      m_ui(std::make_unique<Ui::MainWindow>()),
      m_link(link),
      m_jobs(jobs),
      m_settings(settings),
      m_prompter(prompter),
      m_guard(guard)
{
    m_ui->setupUi(this);
    bindUnits();
    // The central area of the program's window (AppWindow), which gives it title, icon and frame.
    setFixedSize(size());
    applyFonts();

    showMachineControls();
    m_textPreview->hide();
    m_textConfirmButton->hide();
    m_ui->标签热键->hide();
    m_textPreview->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The position fields only show what the machine reports.
    m_xField->setReadOnly(true);
    m_yField->setReadOnly(true);
    // The rulers' panels reach under the board's edge; the board, which holds the
    // job, stays whole on top of them.
    m_board->raise();
    m_board->setBackgroundPicture(QImage(u":/assets/drop_hint_1.bmp"_s));
    // A thin bar under the send button shows the block draining to the machine.
    m_uploadProgress = new QProgressBar(this);
    m_uploadProgress->setObjectName(u"进度条发送"_s);
    m_uploadProgress->setGeometry(808, 65, 168, 5);
    m_uploadProgress->setTextVisible(false);
    m_uploadProgress->hide();

    m_log = std::make_unique<MessageLog>(*m_logBox);
    m_editor = std::make_unique<workspace::BoardEditor>(*m_board);
    m_hotKeys = std::make_unique<platform::HotKeys>(this);
    const auto logLine = [&link](const QString &line) { link.logLine(line); };
    m_locations = std::make_unique<workspace::LocationModes>(*m_pointModeRadio, *m_centreModeRadio,
                                                             *m_boxModeRadio, *m_board, link);
    m_text = std::make_unique<workspace::TextEngraving>(
        workspace::TextEngraving::Units{*m_textInput, *m_textPreview, *m_textConfirmButton,
                                        *m_textLocationRadio},
        *m_board, settings, logLine);
    m_keyboard = std::make_unique<workspace::KeyboardControl>(*m_keyboardBox, *m_hotKeys, link);
    m_chooser = std::make_unique<job::EffectChooserWindow>(*m_editor, clock, settings, logLine);
    m_locations->placeText = [this](int x, int y) { m_text->placeTextPreview(x, y); };
    quit = [] { QCoreApplication::exit(0); };

    connectLink();
    connectJobControls();
    connectWorkspace();
}

MainWindow::~MainWindow() = default;

void MainWindow::bindUnits()
{
    Ui::MainWindow &ui = *m_ui;
    m_connectButton = ui.按钮连接;
    m_breakButton = ui.按钮断开;
    m_startButton = ui.按钮开始;
    m_pauseButton = ui.按钮暂停;
    m_restartButton = ui.按钮重启;
    m_powerOffButton = ui.按钮关机;
    m_sendImageButton = ui.按钮发送数据;
    m_logBox = ui.编辑框1;
    m_runTimeValue = ui.标签时间值;
    m_textInput = ui.编辑框文字;
    m_fontButton = ui.按钮字体;
    m_textLocationRadio = ui.单选框文字;
    m_logoLabel = ui.标签Logo;
    m_languageBox = ui.组合框语言;
    m_board = ui.画板1;
    m_textPreview = ui.编辑框文字预览;
    m_textConfirmButton = ui.按钮文字确认;
    m_pointModeRadio = ui.单选框点定位;
    m_centreModeRadio = ui.单选框到中心;
    m_boxModeRadio = ui.单选框框定位;
    m_upButton = ui.按钮上;
    m_downButton = ui.按钮下;
    m_leftButton = ui.按钮左;
    m_rightButton = ui.按钮右;
    m_keyboardBox = ui.选择框使用键盘;
    m_fastBackwardButton = ui.按钮快退;
    m_recarveButton = ui.按钮重刻;
    m_fastForwardButton = ui.按钮快进;
    m_clearButton = ui.按钮清除;
    m_reloadButton = ui.按钮重载;
    m_zoomOutButton = ui.按钮缩小;
    m_rotateButton = ui.按钮旋转;
    m_xField = ui.编辑框x;
    m_yField = ui.编辑框y;
    m_burnTimeSlider = ui.滑块条1;
    m_burnTimeValue = ui.标签灼烧时间值;
    m_settingsButton = ui.按钮设置;
    m_controlUnits = {m_upButton,        m_downButton,        m_leftButton,
                      m_rightButton,     m_pauseButton,       m_startButton,
                      m_pointModeRadio,  m_centreModeRadio,   m_boxModeRadio,
                      m_sendImageButton, m_restartButton,     m_burnTimeSlider,
                      m_settingsButton,  m_fastForwardButton, m_fastBackwardButton,
                      m_recarveButton,   m_clearButton,       m_zoomOutButton,
                      m_rotateButton,    m_reloadButton,      m_powerOffButton};
}

void MainWindow::applyFonts()
{
    Ui::MainWindow &ui = *m_ui;
    // Character heights in pixels, so the window looks the same on any screen.
    const UnitFont fonts[] = {
        {u"Calibri", 12, false, {m_connectButton,      m_breakButton,   m_sendImageButton,
                                 ui.分组框信息,        ui.分组框预览,   ui.分组框定位方式,
                                 ui.分组框运动,        m_upButton,      m_leftButton,
                                 m_downButton,         m_rightButton,   ui.分组框进度,
                                 m_fastBackwardButton, m_recarveButton, m_fastForwardButton,
                                 ui.分组框编辑,        m_clearButton,   m_reloadButton,
                                 m_zoomOutButton,      m_rotateButton,  m_settingsButton}},
        {u"Arial",
         12,
         false,
         {m_startButton, m_pauseButton, m_restartButton, m_powerOffButton, m_logBox, m_textInput,
          m_fontButton, m_textLocationRadio, m_pointModeRadio, m_centreModeRadio, m_boxModeRadio,
          m_keyboardBox}},
        {u"Calibri", 16, false, {m_runTimeValue, ui.标签时间, ui.标签灼烧时间, m_burnTimeValue}},
        {u"Calibri", 14, true, {ui.标签2, m_languageBox}},
        {u"Calibri", 29, false, {ui.标签坐标, ui.标签坐标1}},
        {u"Calibri", 21, false, {m_xField, m_yField}},
    };
    for (const UnitFont &f : fonts) {
        const QFont font = fontOf(f);
        for (QWidget *unit : f.units) unit->setFont(font);
    }
}

void MainWindow::connectLink()
{
    link::EngraverLink &link = m_link;
    connect(&link, &link::EngraverLink::textLogged, this,
            [this](const QString &text) { m_log->logText(text); });
    connect(&link, &link::EngraverLink::scanStarted, this,
            [this] { m_connectButton->setText(u"Connecting..."_s); });
    connect(&link, &link::EngraverLink::identified, this, [this] {
        m_connectButton->setText(u"OK"_s);
        m_connectButton->setEnabled(false);
        m_breakButton->show();
    });
    connect(&link, &link::EngraverLink::disconnected, this, [this] {
        m_connectButton->setText(u"Connect"_s);
        m_connectButton->setEnabled(true);
    });
    connect(&link, &link::EngraverLink::firmwareReported, this, [this](int version) {
        if (version == 1) applyFirmwareOneLayout();
    });
    connect(&link, &link::EngraverLink::tracePoint, this,
            [this](int x, int y) { m_board->drawPoint(x, y, qRgb(255, 0, 0)); });
    connect(&link, &link::EngraverLink::positionX, this,
            [this](int x) { m_xField->setText(QString::number(x)); });
    connect(&link, &link::EngraverLink::positionY, this,
            [this](int y) { m_yField->setText(QString::number(y)); });
    connect(&link, &link::EngraverLink::burnTimeReported, this, &MainWindow::showBurnTime);
    connect(&link, &link::EngraverLink::uploadProgress, this, &MainWindow::showUploadProgress);
    connect(&link, &link::EngraverLink::uploadFinished, this, [this] { m_uploadProgress->hide(); });
}

void MainWindow::connectJobControls()
{
    job::JobControls &jobs = m_jobs;
    link::EngraverLink &link = m_link;
    connect(&jobs.controls(), &job::MachineControls::changed, this,
            &MainWindow::showMachineControls);
    connect(&jobs.controls(), &job::MachineControls::locationReset, this,
            &MainWindow::resetLocationUnits);
    connect(&jobs, &job::JobControls::runTimeChanged, m_runTimeValue, &QLabel::setText);
    connect(&jobs, &job::JobControls::positionFieldsReset, this,
            [this] { setPositionFields(u"000"_s, u"000"_s); });
    connect(&jobs, &job::JobControls::endRequested, this, [this] { quit(); });
    connect(m_connectButton, &QPushButton::clicked, &link, &link::EngraverLink::startConnect);
    connect(m_breakButton, &QPushButton::clicked, &link, &link::EngraverLink::disconnectMachine);
    connect(m_startButton, &QPushButton::clicked, &jobs, &job::JobControls::start);
    connect(m_pauseButton, &QPushButton::clicked, &jobs, &job::JobControls::pause);
    connect(m_restartButton, &QPushButton::clicked, &jobs, &job::JobControls::restart);
    connect(m_powerOffButton, &QPushButton::clicked, &jobs, &job::JobControls::powerOff);
    connect(m_recarveButton, &QPushButton::clicked, &jobs, &job::JobControls::recarve);
    connect(m_fastBackwardButton, &QPushButton::clicked, &jobs, &job::JobControls::fastBackward);
    connect(m_fastForwardButton, &QPushButton::clicked, &jobs, &job::JobControls::fastForward);
    connect(m_sendImageButton, &QPushButton::clicked, this, [this] {
        if (!m_guard.allows(JobGuard::Action::SendImage)) return;
        m_sending = m_editor->snapshot();
        m_jobs.prepareUpload(m_sending);
    });
    connect(&link, &link::EngraverLink::uploadFinished, this, [this](bool written) {
        if (written && !m_sending.isNull()) m_guard.rememberSent(m_sending);
    });
    // The label follows the slider, mouse or keyboard; the release or the keys send it.
    connect(m_burnTimeSlider, &QSlider::valueChanged, this,
            [this](int position) { m_burnTimeValue->setText(QString::number(position)); });
    new BurnTimeInput(*m_burnTimeSlider, jobs);
    connect(m_languageBox, &QComboBox::currentIndexChanged, this, &MainWindow::applyLanguage);
}

void MainWindow::connectWorkspace()
{
    link::EngraverLink &link = m_link;
    connect(m_clearButton, &QPushButton::clicked, this, &MainWindow::clearBoard);
    connect(m_reloadButton, &QPushButton::clicked, this, [this] {
        if (m_guard.allows(JobGuard::Action::ReloadPicture)) m_editor->reloadPicture();
    });
    connect(m_zoomOutButton, &QPushButton::clicked, this, [this] { m_editor->zoomOutBoard(); });
    connect(m_rotateButton, &QPushButton::clicked, this, [this] { m_editor->rotateBoard(); });
    for (QRadioButton *radio : {m_pointModeRadio, m_centreModeRadio, m_boxModeRadio})
        connect(radio, &QRadioButton::clicked, this, [this] { m_locations->applyLocationMode(); });
    connect(m_board, &workspace::PreviewBoard::leftButtonPressed, this,
            [this](int x, int y) { m_locations->boardMouseDown(x, y); });
    connect(m_upButton, &QPushButton::clicked, &link, &link::EngraverLink::jogUp);
    connect(m_downButton, &QPushButton::clicked, &link, &link::EngraverLink::jogDown);
    connect(m_leftButton, &QPushButton::clicked, &link, &link::EngraverLink::jogLeft);
    connect(m_rightButton, &QPushButton::clicked, &link, &link::EngraverLink::jogRight);
    connect(m_keyboardBox, &QCheckBox::clicked, this,
            [this] { m_keyboard->toggleKeyboardControl(); });
    connect(m_hotKeys.get(), &platform::HotKeys::pressed, this,
            [this](int id) { m_keyboard->hotkeyPressed(id); });
    connect(m_textLocationRadio, &QRadioButton::clicked, this,
            [this] { m_text->armTextPlacement(); });
    connect(m_textConfirmButton, &QPushButton::clicked, this,
            [this] { m_text->burnTextIntoBoard(); });
    connect(m_textInput, &QPlainTextEdit::textChanged, this,
            [this] { m_text->mirrorInputToPreview(); });
    connect(m_textPreview, &QPlainTextEdit::textChanged, this,
            [this] { m_text->mirrorPreviewToInput(); });
    connect(m_fontButton, &QPushButton::clicked, this, [this] { m_text->chooseFont(); });
    m_logoLabel->installEventFilter(this);
    connect(m_settingsButton, &QPushButton::clicked, this, &MainWindow::openSettings);
    m_settingsButton->installEventFilter(this);
}

void MainWindow::openSettings()
{
    SettingsWindow settings([this] { m_link.reverseMotorX(); }, [this] { m_link.reverseMotorY(); },
                            this);
    settings.exec();
}

void MainWindow::openHelpOnCtrlRelease()
{
    HelpWindow help(this);
    help.messageBox = m_prompter.messageBox;
    help.exec();
}

bool MainWindow::dropFiles(const QString &paths)
{
    if (!m_guard.allows(JobGuard::Action::OpenPicture)) return false;
    m_editor->setPicturePath(paths);
    m_chooser->open(paths);
    m_jobs.pictureDropped();
    return true;
}

void MainWindow::clearBoard()
{
    if (!m_guard.allows(JobGuard::Action::ClearBoard)) return;
    m_editor->clearBoard();
    m_jobs.boardCleared();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    const bool leftRelease = event->type() == QEvent::MouseButtonRelease &&
                             static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
    if (watched == m_logoLabel && leftRelease) platform::openMakerSite();
    if (watched == m_settingsButton && leftRelease && m_settingsButton->isEnabled() &&
        opensHelp(static_cast<QMouseEvent *>(event)->modifiers())) {
        // Help takes this release instead of the settings the click would open.
        m_settingsButton->setDown(false);
        openHelpOnCtrlRelease();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::selectStoredLanguage(int index)
{
    const QSignalBlocker quiet(m_languageBox);
    m_languageBox->setCurrentIndex(std::clamp(index, -1, m_languageBox->count() - 1));
}

void MainWindow::applyLanguage()
{
    const int index = m_languageBox->currentIndex();
    // A change (not the start-up's first) wipes the board: a running job or a picture
    // never sent is not lost without a word.
    if (m_appliedLanguage != NoLanguageYet && index != m_appliedLanguage &&
        (!m_guard.allows(JobGuard::Action::ChangeLanguage) ||
         !m_guard.allowsWipe(m_board->snapshot()))) {
        const QSignalBlocker quiet(m_languageBox);
        m_languageBox->setCurrentIndex(m_appliedLanguage);
        emit languageApplied(m_appliedLanguage);
        return;
    }
    m_appliedLanguage = index;
    if (index >= 0 && index < LanguageCount) {
        for (const CaptionRow &row : captionTable()) {
            const QString caption = QString::fromUtf16(row.text[std::size_t(index)]);
            QWidget *unit = findChild<QWidget *>(QString::fromUtf16(row.unit));
            if (auto *button = qobject_cast<QAbstractButton *>(unit))
                button->setText(caption);
            else if (auto *group = qobject_cast<QGroupBox *>(unit))
                group->setTitle(caption);
            else if (auto *label = qobject_cast<QLabel *>(unit))
                label->setText(caption);
        }
        m_board->setBackgroundPicture(dropHintPicture(index));
    }
    m_startCaption = m_startButton->text();
    showStartCaption();
    m_settings.write(u"MainWindow"_s, u"Language"_s, QString::number(index));
    emit languageApplied(index);
}

void MainWindow::showStartAsResume(bool resume)
{
    if (resume == m_startReadsResume) return;
    if (resume) m_startCaption = m_startButton->text();
    m_startReadsResume = resume;
    showStartCaption();
}

void MainWindow::showStartCaption()
{
    m_startButton->setText(m_startReadsResume ? tr("Resume") : m_startCaption);
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && m_startReadsResume) showStartCaption();
    QWidget::changeEvent(event);
}

QList<QWidget *> MainWindow::machineControls() const
{
    return {m_controlUnits.begin(), m_controlUnits.end()};
}

MainWindow::MenuUnits MainWindow::menuUnits() const
{
    return {m_connectButton, m_breakButton,    m_sendImageButton, m_startButton,
            m_pauseButton,   m_powerOffButton, m_settingsButton,  m_languageBox};
}

int MainWindow::burnTime() const
{
    return m_burnTimeSlider->value();
}

void MainWindow::showMachineControls()
{
    const job::MachineControls &controls = m_jobs.controls();
    for (int c = 0; c < job::MachineControls::Count; ++c)
        m_controlUnits[std::size_t(c)]->setEnabled(
            controls.isEnabled(static_cast<job::MachineControls::Control>(c)));
}

void MainWindow::resetLocationUnits()
{
    for (QRadioButton *radio : {m_pointModeRadio, m_centreModeRadio, m_boxModeRadio})
        workspace::uncheckRadio(*radio);
    m_board->setBoardCursor(workspace::BoardCursor::Default);
}

void MainWindow::applyFirmwareOneLayout()
{
    m_powerOffButton->hide();
    m_startButton->move(FirmwareOneStartLeft, m_startButton->y());
    m_pauseButton->move(FirmwareOnePauseLeft, m_pauseButton->y());
    m_restartButton->move(FirmwareOneRestartLeft, m_restartButton->y());
}

void MainWindow::showBurnTime(int burnTime)
{
    {
        // The machine's report moves the slider without counting as the operator's change.
        const QSignalBlocker quiet(m_burnTimeSlider);
        m_burnTimeSlider->setValue(burnTime);  // the slider keeps to its range by itself
    }
    m_burnTimeValue->setText(QString::number(burnTime));
}

void MainWindow::showUploadProgress(qint64 written, qint64 total)
{
    if (total <= 0 || written >= total) {
        m_uploadProgress->hide();
        return;
    }
    m_uploadProgress->setRange(0, int(total));
    m_uploadProgress->setValue(int(written));
    m_uploadProgress->show();
}

void MainWindow::setPositionFields(const QString &x, const QString &y)
{
    m_xField->setText(x);
    m_yField->setText(y);
}

}  // namespace tavro::shell
