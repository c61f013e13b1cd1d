#include "shell/main_window.h"

#include "job/effect_chooser_window.h"
#include "job/job_controls.h"
#include "link/engraver_link.h"
#include "platform/browser.h"
#include "platform/hot_keys.h"
#include "platform/profile_file.h"
#include "shell/burn_time_input.h"
#include "shell/captions.h"
#include "shell/help_window.h"
#include "shell/settings_window.h"
#include "ui_main_window.h"
#include "workspace/board_editor.h"
#include "workspace/keyboard_control.h"
#include "workspace/location_modes.h"
#include "workspace/preview_board.h"
#include "workspace/text_engraving.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
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
    std::initializer_list<const char16_t *> units;
};

// Character heights in pixels, so the window looks the same on any screen.
const UnitFont UnitFonts[] = {
    {u"Calibri", 12, false,
     {u"按钮连接", u"按钮断开", u"按钮发送数据", u"分组框信息", u"分组框预览", u"分组框定位方式",
      u"分组框运动", u"按钮上", u"按钮左", u"按钮下", u"按钮右", u"分组框进度", u"按钮快退",
      u"按钮重刻", u"按钮快进", u"分组框编辑", u"按钮清除", u"按钮重载", u"按钮缩小", u"按钮旋转",
      u"按钮设置"}},
    {u"Arial", 12, false,
     {u"按钮开始", u"按钮暂停", u"按钮重启", u"按钮关机", u"编辑框1", u"编辑框文字", u"按钮字体",
      u"单选框文字", u"单选框点定位", u"单选框到中心", u"单选框框定位", u"选择框使用键盘"}},
    {u"Calibri", 16, false, {u"标签时间值", u"标签时间", u"标签灼烧时间", u"标签灼烧时间值"}},
    {u"Calibri", 14, true, {u"标签2", u"组合框语言"}},
    {u"Calibri", 29, false, {u"标签坐标", u"标签坐标1"}},
    {u"Calibri", 21, false, {u"编辑框x", u"编辑框y"}},
};

const char16_t *const MachineControlNames[] = {
    u"按钮上",       u"按钮下",       u"按钮左",       u"按钮右",       u"按钮暂停",
    u"按钮开始",     u"单选框点定位", u"单选框到中心", u"单选框框定位", u"按钮发送数据",
    u"按钮重启",     u"滑块条1",      u"按钮设置",     u"按钮快进",     u"按钮快退",
    u"按钮重刻",     u"按钮清除",     u"按钮缩小",     u"按钮旋转",     u"按钮重载",
    u"按钮关机"};

}  // namespace

MainWindow::MainWindow(QWidget *parent) : QWidget(parent), m_ui(std::make_unique<Ui::MainWindow>())
{
    m_ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(size());
    setWindowIcon(QIcon(u":/assets/tavro.png"_s));
    applyFonts();

    for (QWidget *w : {static_cast<QWidget *>(m_ui->按钮开始), static_cast<QWidget *>(m_ui->按钮暂停),
                       static_cast<QWidget *>(m_ui->按钮重启), static_cast<QWidget *>(m_ui->按钮关机)})
        w->setEnabled(false);
    m_ui->编辑框文字预览->hide();
    m_ui->按钮文字确认->hide();
    m_ui->标签热键->hide();
    m_ui->编辑框文字预览->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The position fields only show what the machine reports.
    m_ui->编辑框x->setReadOnly(true);
    m_ui->编辑框y->setReadOnly(true);
    // The rulers' panels reach under the board's edge; the board, which holds the
    // job, stays whole on top of them.
    m_ui->画板1->raise();
    m_ui->画板1->SetBackgroundPicture(QImage(u":/assets/drop_hint_1.bmp"_s));
    m_log = std::make_unique<MessageLog>(*m_ui->编辑框1);
    m_editor = std::make_unique<workspace::BoardEditor>(*m_ui->画板1);
    m_hotKeys = std::make_unique<platform::HotKeys>(this);
    // A thin bar under the send button shows the block draining to the machine.
    m_uploadProgress = new QProgressBar(this);
    m_uploadProgress->setObjectName(u"进度条发送"_s);
    m_uploadProgress->setGeometry(808, 65, 168, 5);
    m_uploadProgress->setTextVisible(false);
    m_uploadProgress->hide();
    quit = [] { QCoreApplication::exit(0); };
}

MainWindow::~MainWindow() = default;

workspace::PreviewBoard &MainWindow::board()
{
    return *m_ui->画板1;
}

void MainWindow::applyFonts()
{
    for (const UnitFont &f : UnitFonts) {
        QFont font(QString::fromUtf16(f.family));
        font.setPixelSize(f.pixels);
        font.setBold(f.bold);
        for (const char16_t *unit : f.units) {
            if (auto *w = findChild<QWidget *>(QString::fromUtf16(unit))) w->setFont(font);
        }
    }
}

void MainWindow::attach(link::EngraverLink &link, job::JobControls &jobs,
                        platform::ProfileFile &settings, platform::Clock &clock)
{
    m_link = &link;
    m_jobs = &jobs;
    m_settings = &settings;
    auto &ui = *m_ui;
    m_locations = std::make_unique<workspace::LocationModes>(*ui.单选框点定位, *ui.单选框到中心,
                                                             *ui.单选框框定位, *ui.画板1, link);
    m_text = std::make_unique<workspace::TextEngraving>(
        workspace::TextEngraving::Units{*ui.编辑框文字, *ui.编辑框文字预览, *ui.按钮文字确认,
                                        *ui.单选框文字},
        *ui.画板1, settings, [&link](const QString &line) { link.LogLine(line); });
    m_keyboard = std::make_unique<workspace::KeyboardControl>(*ui.选择框使用键盘, *m_hotKeys, link);
    m_chooser = std::make_unique<job::EffectChooserWindow>(
        *m_editor, clock, [&link](const QString &line) { link.LogLine(line); });
    m_locations->placeText = [this](int x, int y) { m_text->PlaceTextPreview(x, y); };
    connectJobControls();
    connectWorkspace();
}

void MainWindow::connectJobControls()
{
    auto &ui = *m_ui;
    link::EngraverLink &link = *m_link;
    job::JobControls &jobs = *m_jobs;
    connect(ui.按钮连接, &QPushButton::clicked, this, [&link] { link.StartConnect(); });
    connect(ui.按钮断开, &QPushButton::clicked, this, [&link] { link.Disconnect(); });
    connect(ui.按钮开始, &QPushButton::clicked, this, [&jobs] { jobs.Start(); });
    connect(ui.按钮暂停, &QPushButton::clicked, this, [&jobs] { jobs.Pause(); });
    connect(ui.按钮重启, &QPushButton::clicked, this, [&jobs] { jobs.Restart(); });
    connect(ui.按钮关机, &QPushButton::clicked, this, [&jobs] { jobs.PowerOff(); });
    connect(ui.按钮重刻, &QPushButton::clicked, this, [&jobs] { jobs.Recarve(); });
    connect(ui.按钮快退, &QPushButton::clicked, this, [&jobs] { jobs.FastBackward(); });
    connect(ui.按钮快进, &QPushButton::clicked, this, [&jobs] { jobs.FastForward(); });
    connect(ui.按钮发送数据, &QPushButton::clicked, this, [this] { m_jobs->PrepareUpload(*m_editor); });
    connect(ui.滑块条1, &QSlider::valueChanged, this,
            [&jobs](int position) { jobs.BurnTimeChanged(position); });
    new BurnTimeInput(*ui.滑块条1, jobs);
    connect(ui.组合框语言, &QComboBox::currentIndexChanged, this, &MainWindow::ApplyLanguage);
}

void MainWindow::connectWorkspace()
{
    auto &ui = *m_ui;
    link::EngraverLink &link = *m_link;
    connect(ui.按钮清除, &QPushButton::clicked, this, &MainWindow::ClearBoard);
    connect(ui.按钮重载, &QPushButton::clicked, this, [this] { m_editor->ReloadPicture(); });
    connect(ui.按钮缩小, &QPushButton::clicked, this, [this] { m_editor->ZoomOutBoard(); });
    connect(ui.按钮旋转, &QPushButton::clicked, this, [this] { m_editor->RotateBoard(); });
    for (QRadioButton *radio : {ui.单选框点定位, ui.单选框到中心, ui.单选框框定位})
        connect(radio, &QRadioButton::clicked, this, [this] { m_locations->ApplyLocationMode(); });
    connect(ui.画板1, &workspace::PreviewBoard::leftButtonPressed, this,
            [this](int x, int y) { m_locations->BoardMouseDown(x, y); });
    connect(ui.按钮上, &QPushButton::clicked, this, [&link] { link.JogUp(); });
    connect(ui.按钮下, &QPushButton::clicked, this, [&link] { link.JogDown(); });
    connect(ui.按钮左, &QPushButton::clicked, this, [&link] { link.JogLeft(); });
    connect(ui.按钮右, &QPushButton::clicked, this, [&link] { link.JogRight(); });
    connect(ui.选择框使用键盘, &QCheckBox::clicked, this,
            [this] { m_keyboard->ToggleKeyboardControl(); });
    connect(m_hotKeys.get(), &platform::HotKeys::pressed, this,
            [this](int id) { m_keyboard->HotkeyPressed(id); });
    connect(ui.单选框文字, &QRadioButton::clicked, this, [this] { m_text->ArmTextPlacement(); });
    connect(ui.按钮文字确认, &QPushButton::clicked, this, [this] { m_text->BurnTextIntoBoard(); });
    connect(ui.编辑框文字, &QPlainTextEdit::textChanged, this,
            [this] { m_text->MirrorInputToPreview(); });
    connect(ui.编辑框文字预览, &QPlainTextEdit::textChanged, this,
            [this] { m_text->MirrorPreviewToInput(); });
    connect(ui.按钮字体, &QPushButton::clicked, this, [this] { m_text->ChooseFont(); });
    ui.标签Logo->installEventFilter(this);
    connect(ui.按钮设置, &QPushButton::clicked, this, &MainWindow::OpenSettings);
    ui.按钮设置->installEventFilter(this);
}

void MainWindow::OpenSettings()
{
    SettingsWindow settings([this] { m_link->ReverseMotorX(); },
                            [this] { m_link->ReverseMotorY(); }, this);
    settings.exec();
}

void MainWindow::OpenHelpOnCtrlRelease()
{
    HelpWindow help(this);
    help.messageBox = messageBox;
    help.exec();
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    QStringList paths;
    for (const QUrl &url : urls)
        if (url.isLocalFile()) paths << url.toLocalFile();
    if (paths.isEmpty()) return;  // text and remote links are not pictures to take
    event->acceptProposedAction();
    DropFiles(paths.size() == 1 ? paths.first() : paths.join(u"\r\n"_s) + u"\r\n"_s);
}

void MainWindow::DropFiles(const QString &paths)
{
    m_editor->setPicturePath(paths);
    m_chooser->open(paths);
    m_jobs->Pause();
    DisableMachineControls();
    for (QWidget *w : {static_cast<QWidget *>(m_ui->按钮发送数据), static_cast<QWidget *>(m_ui->按钮清除),
                       static_cast<QWidget *>(m_ui->按钮缩小), static_cast<QWidget *>(m_ui->按钮旋转),
                       static_cast<QWidget *>(m_ui->按钮重载)})
        w->setEnabled(true);
    m_jobs->ResetRunTime();
}

void MainWindow::ClearBoard()
{
    m_editor->ClearBoard();
    EnableMachineControls();
    setPositionFields(u"000"_s, u"000"_s);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui->标签Logo && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        platform::OpenMakerSite();
    }
    if (watched == m_ui->按钮设置 && event->type() == QEvent::MouseButtonRelease &&
        m_ui->按钮设置->isEnabled()) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && OpensHelp(mouse->modifiers())) {
            // Help takes this release instead of the settings the click would open.
            m_ui->按钮设置->setDown(false);
            OpenHelpOnCtrlRelease();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::selectStoredLanguage(int index)
{
    QComboBox *combo = m_ui->组合框语言;
    const QSignalBlocker quiet(combo);
    combo->setCurrentIndex(std::clamp(index, -1, combo->count() - 1));
}

void MainWindow::ApplyLanguage()
{
    const int index = m_ui->组合框语言->currentIndex();
    if (index >= 0 && index < LanguageCount) {
        for (const CaptionRow &row : CaptionTable()) {
            const QString caption = QString::fromUtf16(row.text[std::size_t(index)]);
            QWidget *unit = findChild<QWidget *>(QString::fromUtf16(row.unit));
            if (auto *button = qobject_cast<QAbstractButton *>(unit))
                button->setText(caption);
            else if (auto *group = qobject_cast<QGroupBox *>(unit))
                group->setTitle(caption);
            else if (auto *label = qobject_cast<QLabel *>(unit))
                label->setText(caption);
        }
        board().SetBackgroundPicture(QImage(u":/assets/drop_hint_%1.bmp"_s.arg(index)));
    }
    if (m_settings) m_settings->write(u"MainWindow"_s, u"Language"_s, QString::number(index));
}

QList<QWidget *> MainWindow::machineControls() const
{
    QList<QWidget *> controls;
    for (const char16_t *name : MachineControlNames)
        controls << findChild<QWidget *>(QString::fromUtf16(name));
    return controls;
}

QList<QWidget *> MainWindow::locationControls() const
{
    return {m_ui->单选框点定位, m_ui->单选框到中心, m_ui->单选框框定位,
            m_ui->按钮上,       m_ui->按钮下,       m_ui->按钮左,
            m_ui->按钮右};
}

void MainWindow::setMachineControlsEnabled(bool enabled)
{
    for (QWidget *w : machineControls()) w->setEnabled(enabled);
}

void MainWindow::LogText(const QString &text)
{
    if (onLog) onLog(text);
    m_log->LogText(text);
}

void MainWindow::setConnectCaption(const QString &caption)
{
    m_ui->按钮连接->setText(caption);
}

void MainWindow::setConnectEnabled(bool enabled)
{
    m_ui->按钮连接->setEnabled(enabled);
}

void MainWindow::showBreakButton()
{
    m_ui->按钮断开->show();
}

void MainWindow::EnableMachineControls()
{
    setMachineControlsEnabled(true);
}

void MainWindow::DisableMachineControls()
{
    setMachineControlsEnabled(false);
}

void MainWindow::ResetLocationControls()
{
    for (QRadioButton *radio : {m_ui->单选框点定位, m_ui->单选框到中心, m_ui->单选框框定位}) {
        radio->setEnabled(true);
        workspace::UncheckRadio(*radio);
    }
    for (QWidget *w : {m_ui->按钮上, m_ui->按钮下, m_ui->按钮左, m_ui->按钮右}) w->setEnabled(true);
    board().setBoardCursor(workspace::BoardCursor::Default);
}

void MainWindow::LockLocationControls()
{
    for (QWidget *w : locationControls()) w->setEnabled(false);
}

void MainWindow::stopRunClock()
{
    if (m_jobs) m_jobs->StopRunClock();
}

void MainWindow::applyFirmwareOneLayout()
{
    m_ui->按钮关机->hide();
    m_ui->按钮开始->move(FirmwareOneStartLeft, m_ui->按钮开始->y());
    m_ui->按钮暂停->move(FirmwareOnePauseLeft, m_ui->按钮暂停->y());
    m_ui->按钮重启->move(FirmwareOneRestartLeft, m_ui->按钮重启->y());
}

void MainWindow::showPositionX(int x)
{
    m_ui->编辑框x->setText(QString::number(x));
}

void MainWindow::showPositionY(int y)
{
    m_ui->编辑框y->setText(QString::number(y));
}

void MainWindow::drawTracePoint(int x, int y)
{
    board().DrawPoint(x, y, qRgb(255, 0, 0));
}

void MainWindow::showBurnTime(int t)
{
    {
        const QSignalBlocker quiet(m_ui->滑块条1);
        m_ui->滑块条1->setValue(t);  // the slider keeps to its range by itself
    }
    m_ui->标签灼烧时间值->setText(QString::number(t));
}

void MainWindow::showMessage(const QString &text, const QString &caption)
{
    messageBox(text, BoxButtons::Ok, caption);
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

void MainWindow::setRunTimeText(const QString &text)
{
    m_ui->标签时间值->setText(text);
}

void MainWindow::setBurnTimeText(const QString &text)
{
    m_ui->标签灼烧时间值->setText(text);
}

void MainWindow::setPositionFields(const QString &x, const QString &y)
{
    m_ui->编辑框x->setText(x);
    m_ui->编辑框y->setText(y);
}

int MainWindow::askOkCancel(const QString &text, const QString &caption)
{
    return messageBox(text, BoxButtons::OkCancel, caption);
}

void MainWindow::endProgram()
{
    quit();
}

}  // namespace tavro::shell
