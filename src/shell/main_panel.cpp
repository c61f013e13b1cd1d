#include "shell/main_panel.h"

#include "hotkeys/hot_keys.h"
#include "shell/burn_time_input.h"
#include "shell/captions.h"
#include "shell/help_window.h"
#include "shell/settings_window.h"
#include "shell/shell_settings.h"
#include "ui/effect_chooser_window.h"
#include "ui/keyboard_control.h"
#include "ui/location_modes.h"
#include "ui/preview_board.h"
#include "ui/text_engraving.h"
#include "ui_main_panel.h"

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

void bindToCommand(QAbstractButton &button, session::Command &command)
{
    const auto show = [&button, &command] { button.setEnabled(command.isEnabled()); };
    show();
    QObject::connect(&command, &session::Command::changed, &button, show);
    QObject::connect(&button, &QAbstractButton::clicked, &command, &session::Command::trigger);
}

MainPanel::MainPanel(session::Session &session, settings::ProfileFile &settings, Desktop &desktop,
                     platform::Clock &clock, QWidget *parent)
    : QWidget(parent),
      m_ui(std::make_unique<Ui::MainPanel>()),
      m_session(session),
      m_settings(settings),
      m_desktop(desktop)
{
    m_ui->setupUi(this);
    bindUnits();
    // The central area of the program's window, which gives it title, icon and frame.
    setFixedSize(size());
    applyFonts();

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
    m_board->showJob(session.document(), session.trace());
    // A thin bar under the send button shows the block draining to the machine.
    m_uploadProgress = new QProgressBar(this);
    m_uploadProgress->setObjectName(u"进度条发送"_s);
    m_uploadProgress->setGeometry(808, 65, 168, 5);
    m_uploadProgress->setTextVisible(false);
    m_uploadProgress->hide();

    m_log = std::make_unique<ui::LogBox>(*m_logBox);
    m_hotKeys = std::make_unique<hotkeys::HotKeys>(this);
    m_text = std::make_unique<ui::TextEngraving>(
        ui::TextEngraving::Units{*m_textInput, *m_textPreview, *m_textConfirmButton,
                                 *m_textLocationRadio},
        *m_board, session, desktop);
    m_locations = std::make_unique<ui::LocationModes>(*m_pointModeRadio, *m_centreModeRadio,
                                                      *m_boxModeRadio, *m_board, *m_text, session);
    m_keyboard = std::make_unique<ui::KeyboardControl>(*m_keyboardBox, *m_hotKeys, session);
    m_chooser = std::make_unique<ui::EffectChooserWindow>(session, clock);

    bindCommands();
    connectSession();
    connectWorkspace();
    showBurnTime(session.document().burnTime());
}

MainPanel::~MainPanel() = default;

void MainPanel::bindUnits()
{
    Ui::MainPanel &ui = *m_ui;
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
}

void MainPanel::applyFonts()
{
    Ui::MainPanel &ui = *m_ui;
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

void MainPanel::bindCommands()
{
    using S = session::Session;
    const std::pair<QPushButton *, S::CommandId> buttons[] = {
        {m_connectButton, S::Connect},
        {m_sendImageButton, S::SendImage},
        {m_startButton, S::Start},
        {m_pauseButton, S::Pause},
        {m_restartButton, S::Restart},
        {m_recarveButton, S::Recarve},
        {m_fastForwardButton, S::FastForward},
        {m_fastBackwardButton, S::FastBackward},
        {m_clearButton, S::Clear},
        {m_reloadButton, S::Reload},
        {m_zoomOutButton, S::ZoomOut},
        {m_rotateButton, S::Rotate},
        {m_upButton, S::JogUp},
        {m_downButton, S::JogDown},
        {m_leftButton, S::JogLeft},
        {m_rightButton, S::JogRight},
    };
    for (const auto &[button, id] : buttons) bindToCommand(*button, m_session.command(id));
    bindToCommand(*m_breakButton, m_session.command(S::Break));
    bindToCommand(*m_powerOffButton, m_session.command(S::PowerOff));
    connect(&m_session.command(S::PowerOff), &session::Command::changed, this, [this] {
        if (!m_session.command(session::Session::PowerOff).isVisible()) applyFirmwareOneLayout();
    });
    // Units the session does not click: their clicks run here, their state is the session's.
    const std::pair<QWidget *, S::CommandId> followers[] = {
        {m_settingsButton, S::Settings},    {m_pointModeRadio, S::PointMode},
        {m_centreModeRadio, S::CentreMode}, {m_boxModeRadio, S::BoxMode},
        {m_burnTimeSlider, S::BurnTime},
    };
    for (const auto &follower : followers) {
        QWidget *unit = follower.first;
        session::Command &command = m_session.command(follower.second);
        unit->setEnabled(command.isEnabled());
        connect(&command, &session::Command::changed, unit,
                [unit, &command] { unit->setEnabled(command.isEnabled()); });
    }
}

void MainPanel::connectSession()
{
    connect(&m_session.log(), &link::MessageLog::textLogged, this,
            [this](const QString &text) { m_log->logText(text); });
    using S = session::Session;
    connect(&m_session, &S::searchStarted, this,
            [this] { m_connectButton->setText(u"Connecting..."_s); });
    connect(&m_session, &S::machineFound, this, [this] { m_connectButton->setText(u"OK"_s); });
    connect(&m_session, &S::disconnected, this, [this] { m_connectButton->setText(u"Connect"_s); });
    connect(&m_session, &S::headXReported, this,
            [this](int x) { m_xField->setText(QString::number(x)); });
    connect(&m_session, &S::headYReported, this,
            [this](int y) { m_yField->setText(QString::number(y)); });
    connect(&m_session, &S::uploadProgress, this, &MainPanel::showUploadProgress);
    connect(&m_session, &S::locationReset, this, &MainPanel::resetLocationUnits);
    connect(&m_session, &session::Session::runTimeChanged, m_runTimeValue, &QLabel::setText);
    connect(&m_session, &session::Session::positionFieldsReset, this,
            [this] { setPositionFields(u"000"_s, u"000"_s); });
    connect(&m_session, &session::Session::endRequested, this, [this] { m_desktop.quit(); });
    connect(&m_session.document(), &document::JobDocument::burnTimeChanged, this,
            &MainPanel::showBurnTime);
    connect(&m_session, &S::runChanged, this, [this] {
        if (m_session.run().state() != run::RunDriver::State::Sending) m_uploadProgress->hide();
        // While a job is paused, Start goes on with it: its caption says so.
        const bool resume = m_session.run().state() == run::RunDriver::State::Paused;
        if (resume == m_startReadsResume) return;
        if (resume) m_startCaption = m_startButton->text();
        m_startReadsResume = resume;
        showStartCaption();
    });
    // The label follows the slider, mouse or keyboard; the release or the keys send it.
    connect(m_burnTimeSlider, &QSlider::valueChanged, this,
            [this](int position) { m_burnTimeValue->setText(QString::number(position)); });
    new BurnTimeInput(*m_burnTimeSlider, m_session);
    connect(m_languageBox, &QComboBox::currentIndexChanged, this, &MainPanel::applyLanguage);
}

void MainPanel::connectWorkspace()
{
    for (QRadioButton *radio : {m_pointModeRadio, m_centreModeRadio, m_boxModeRadio})
        connect(radio, &QRadioButton::clicked, this, [this] { m_locations->applyLocationMode(); });
    connect(m_board, &ui::PreviewBoard::leftButtonPressed, this,
            [this](int x, int y) { m_locations->boardMouseDown(x, y); });
    connect(m_keyboardBox, &QCheckBox::clicked, this,
            [this] { m_keyboard->toggleKeyboardControl(); });
    connect(m_hotKeys.get(), &hotkeys::HotKeys::pressed, this,
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
    connect(m_settingsButton, &QPushButton::clicked, this, &MainPanel::openSettings);
    m_settingsButton->installEventFilter(this);
}

void MainPanel::openSettings()
{
    SettingsWindow settings(m_session, m_desktop, this);
    settings.exec();
}

void MainPanel::openHelpOnCtrlRelease()
{
    HelpWindow help(m_desktop, this);
    help.exec();
}

bool MainPanel::dropFiles(const QString &paths, const pictures::LoadedPicture &decoded)
{
    if (!m_session.pictureDropped(paths)) return false;
    m_chooser->open(paths, decoded);
    return true;
}

bool MainPanel::eventFilter(QObject *watched, QEvent *event)
{
    const bool leftRelease = event->type() == QEvent::MouseButtonRelease &&
                             static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
    if (watched == m_logoLabel && leftRelease) m_desktop.openMakerSite();
    if (watched == m_settingsButton && leftRelease && m_settingsButton->isEnabled() &&
        opensHelp(static_cast<QMouseEvent *>(event)->modifiers())) {
        // Help takes this release instead of the settings the click would open.
        m_settingsButton->setDown(false);
        openHelpOnCtrlRelease();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void MainPanel::selectStoredLanguage(int index)
{
    const QSignalBlocker quiet(m_languageBox);
    m_languageBox->setCurrentIndex(std::clamp(index, -1, m_languageBox->count() - 1));
}

void MainPanel::applyLanguage()
{
    const int index = m_languageBox->currentIndex();
    // A change (not the start-up's first) wipes the board: a running job or a picture
    // never sent is not lost without a word.
    if (m_appliedLanguage != NoLanguageYet && index != m_appliedLanguage &&
        !m_session.mayChangeLanguage()) {
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
        m_session.showBackground(dropHintPicture(index));
    }
    m_startCaption = m_startButton->text();
    showStartCaption();
    Language.write(m_settings, index);
    emit languageApplied(index);
}

void MainPanel::showStartCaption()
{
    m_startButton->setText(m_startReadsResume ? tr("Resume") : m_startCaption);
}

void MainPanel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && m_startReadsResume) showStartCaption();
    QWidget::changeEvent(event);
}

void MainPanel::resetLocationUnits()
{
    for (QRadioButton *radio : {m_pointModeRadio, m_centreModeRadio, m_boxModeRadio})
        ui::uncheckRadio(*radio);
    m_board->setBoardCursor(ui::BoardCursor::Default);
}

void MainPanel::applyFirmwareOneLayout()
{
    m_powerOffButton->hide();
    m_startButton->move(FirmwareOneStartLeft, m_startButton->y());
    m_pauseButton->move(FirmwareOnePauseLeft, m_pauseButton->y());
    m_restartButton->move(FirmwareOneRestartLeft, m_restartButton->y());
}

void MainPanel::showBurnTime(int burnTime)
{
    {
        // The machine's report moves the slider without counting as the operator's change.
        const QSignalBlocker quiet(m_burnTimeSlider);
        m_burnTimeSlider->setValue(burnTime);  // the slider keeps to its range by itself
    }
    m_burnTimeValue->setText(QString::number(burnTime));
}

void MainPanel::showUploadProgress(qint64 written, qint64 total)
{
    if (total <= 0 || written >= total) {
        m_uploadProgress->hide();
        return;
    }
    m_uploadProgress->setRange(0, int(total));
    m_uploadProgress->setValue(int(written));
    m_uploadProgress->show();
}

void MainPanel::setPositionFields(const QString &x, const QString &y)
{
    m_xField->setText(x);
    m_yField->setText(y);
}

}  // namespace tavro::shell
