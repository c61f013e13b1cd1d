// The main window: shows the state of the link and the job, and forwards the operator's clicks.
#pragma once

#include "job/machine_controls.h"
#include "shell/message_box.h"
#include "shell/message_log.h"

#include <QImage>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

namespace Ui {
class MainWindow;
}
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSlider;

namespace tavro::link {
class EngraverLink;
}
namespace tavro::job {
class EffectChooserWindow;
class JobControls;
}  // namespace tavro::job
namespace tavro::platform {
class Clock;
class HotKeys;
class ProfileFile;
}  // namespace tavro::platform
namespace tavro::workspace {
class BoardEditor;
class KeyboardControl;
class LocationModes;
class PreviewBoard;
class TextEngraving;
}  // namespace tavro::workspace

namespace tavro::shell {

class JobGuard;

class MainWindow final : public QWidget {
    Q_OBJECT
public:
    // Left edges of the job buttons when the machine has no power-off (firmware 1).
    static constexpr int FirmwareOneStartLeft = 264;
    static constexpr int FirmwareOnePauseLeft = 456;
    static constexpr int FirmwareOneRestartLeft = 640;

    MainWindow(link::EngraverLink &link, job::JobControls &jobs, platform::ProfileFile &settings,
               platform::Clock &clock, BoxPrompter &prompter, JobGuard &guard,
               QWidget *parent = nullptr);
    ~MainWindow() override;

    MessageLog &log() { return *m_log; }
    workspace::PreviewBoard &board() { return *m_board; }
    workspace::BoardEditor &editor() { return *m_editor; }
    workspace::LocationModes &locations() { return *m_locations; }
    workspace::TextEngraving &text() { return *m_text; }
    workspace::KeyboardControl &keyboard() { return *m_keyboard; }
    platform::HotKeys &hotKeys() { return *m_hotKeys; }
    job::EffectChooserWindow &chooser() { return *m_chooser; }

    // Picture files dropped on the window: one path, or every path followed by CR LF.
    // False when the operator chose to keep a running job instead.
    bool dropFiles(const QString &paths);
    void clearBoard();
    void openSettings();
    void openHelpOnCtrlRelease();

    // Captions of the chosen language, its drop hint on the board, the choice saved.
    void applyLanguage();
    // The stored language as the combo box's selection, without applying it yet.
    void selectStoredLanguage(int index);

    // Replaced by tests: how the program ends.
    std::function<void()> quit;

    // While a job is paused, Start goes on with it: its caption says so.
    void showStartAsResume(bool resume);

    // The 21 machine controls, in the order they are switched.
    QList<QWidget *> machineControls() const;

    // The units the menu bar repeats; the menus click them and follow their state.
    struct MenuUnits {
        QPushButton *connect;
        QPushButton *breakLink;
        QPushButton *sendImage;
        QPushButton *start;
        QPushButton *pause;
        QPushButton *powerOff;
        QPushButton *settings;
        QComboBox *language;
    };
    MenuUnits menuUnits() const;
    // The burn-time slider, which a job file keeps and puts back.
    int burnTime() const;
    // Moves the slider without counting as the operator's change, as the machine's report does.
    void showBurnTime(int burnTime);

signals:
    // Captions of this language applied (-1: none selected), at start-up and on every change.
    void languageApplied(int index);

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void bindUnits();
    void applyFonts();
    void connectLink();
    void connectJobControls();
    void connectWorkspace();
    void showMachineControls();
    void resetLocationUnits();
    void applyFirmwareOneLayout();
    void showUploadProgress(qint64 written, qint64 total);
    void setPositionFields(const QString &x, const QString &y);
    void showStartCaption();

    std::unique_ptr<Ui::MainWindow> m_ui;
    link::EngraverLink &m_link;
    job::JobControls &m_jobs;
    platform::ProfileFile &m_settings;
    BoxPrompter &m_prompter;
    JobGuard &m_guard;
    int m_appliedLanguage = NoLanguageYet;
    static constexpr int NoLanguageYet = -2;

    // The layout's units under English names; their object names stay the layout's.
    QPushButton *m_connectButton = nullptr;
    QPushButton *m_breakButton = nullptr;
    QPushButton *m_startButton = nullptr;
    QPushButton *m_pauseButton = nullptr;
    QPushButton *m_restartButton = nullptr;
    QPushButton *m_powerOffButton = nullptr;
    QPushButton *m_sendImageButton = nullptr;
    QPlainTextEdit *m_logBox = nullptr;
    QLabel *m_runTimeValue = nullptr;
    QPlainTextEdit *m_textInput = nullptr;
    QPushButton *m_fontButton = nullptr;
    QRadioButton *m_textLocationRadio = nullptr;
    QLabel *m_logoLabel = nullptr;
    QComboBox *m_languageBox = nullptr;
    workspace::PreviewBoard *m_board = nullptr;
    QPlainTextEdit *m_textPreview = nullptr;
    QPushButton *m_textConfirmButton = nullptr;
    QRadioButton *m_pointModeRadio = nullptr;
    QRadioButton *m_centreModeRadio = nullptr;
    QRadioButton *m_boxModeRadio = nullptr;
    QPushButton *m_upButton = nullptr;
    QPushButton *m_downButton = nullptr;
    QPushButton *m_leftButton = nullptr;
    QPushButton *m_rightButton = nullptr;
    QCheckBox *m_keyboardBox = nullptr;
    QPushButton *m_fastBackwardButton = nullptr;
    QPushButton *m_recarveButton = nullptr;
    QPushButton *m_fastForwardButton = nullptr;
    QPushButton *m_clearButton = nullptr;
    QPushButton *m_reloadButton = nullptr;
    QPushButton *m_zoomOutButton = nullptr;
    QPushButton *m_rotateButton = nullptr;
    QLineEdit *m_xField = nullptr;
    QLineEdit *m_yField = nullptr;
    QSlider *m_burnTimeSlider = nullptr;
    QLabel *m_burnTimeValue = nullptr;
    QPushButton *m_settingsButton = nullptr;
    // In the order of job::MachineControls::Control.
    std::array<QWidget *, job::MachineControls::Count> m_controlUnits{};

    std::unique_ptr<MessageLog> m_log;
    std::unique_ptr<workspace::BoardEditor> m_editor;
    std::unique_ptr<platform::HotKeys> m_hotKeys;
    std::unique_ptr<workspace::LocationModes> m_locations;
    std::unique_ptr<workspace::TextEngraving> m_text;
    std::unique_ptr<workspace::KeyboardControl> m_keyboard;
    std::unique_ptr<job::EffectChooserWindow> m_chooser;
    QProgressBar *m_uploadProgress = nullptr;
    bool m_startReadsResume = false;
    QImage m_sending;        // the board last handed to the machine, until its block is out
    QString m_startCaption;  // the language's own, while Start reads as resume
};

}  // namespace tavro::shell
