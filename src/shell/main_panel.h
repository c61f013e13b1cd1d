// The main window's layout (object name MainWindow): its units show the session's state and
// forward the operator's clicks to it.
#pragma once

#include "pictures/picture_loader.h"
#include "session/session.h"
#include "settings/profile_file.h"
#include "shell/desktop.h"
#include "ui/log_box.h"

#include <QWidget>

#include <memory>

namespace Ui {
class MainPanel;
}
class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSlider;

namespace tavro::platform {
class Clock;
}  // namespace tavro::platform
namespace tavro::hotkeys {
class HotKeys;
}  // namespace tavro::hotkeys
namespace tavro::ui {
class EffectChooserWindow;
}  // namespace tavro::ui
namespace tavro::ui {
class KeyboardControl;
class LocationModes;
class PreviewBoard;
class TextEngraving;
}  // namespace tavro::ui

namespace tavro::shell {

class MainPanel final : public QWidget {
    Q_OBJECT
public:
    // Left edges of the job buttons when the machine has no power-off (firmware 1).
    static constexpr int FirmwareOneStartLeft = 264;
    static constexpr int FirmwareOnePauseLeft = 456;
    static constexpr int FirmwareOneRestartLeft = 640;

    // `settings` keeps the window's own choices (the language) in Config.ini.
    MainPanel(session::Session &session, settings::ProfileFile &settings, Desktop &desktop,
              platform::Clock &clock, QWidget *parent = nullptr);
    ~MainPanel() override;

    ui::LogBox &log() { return *m_log; }
    ui::PreviewBoard &board() { return *m_board; }
    ui::LocationModes &locations() { return *m_locations; }
    ui::TextEngraving &text() { return *m_text; }
    ui::KeyboardControl &keyboard() { return *m_keyboard; }
    hotkeys::HotKeys &hotKeys() { return *m_hotKeys; }
    ui::EffectChooserWindow &chooser() { return *m_chooser; }

    // Picture files dropped on the window: one path, or every path followed by CR LF, and the
    // picture when it was decoded already. False when the operator chose to keep a running job.
    bool dropFiles(const QString &paths, const pictures::LoadedPicture &decoded = {});
    void openSettings();
    void openHelpOnCtrlRelease();

    // Captions of the chosen language, its drop hint on the board, the choice saved.
    void applyLanguage();
    // The stored language as the combo box's selection, without applying it yet.
    void selectStoredLanguage(int index);
    QComboBox &languageBox() const { return *m_languageBox; }

signals:
    // Captions of this language applied (-1: none selected), at start-up and on every change.
    void languageApplied(int index);

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void bindUnits();
    void applyFonts();
    void bindCommands();
    void connectSession();
    void connectWorkspace();
    void resetLocationUnits();
    void applyFirmwareOneLayout();
    void showUploadProgress(qint64 written, qint64 total);
    void showBurnTime(int burnTime);
    void setPositionFields(const QString &x, const QString &y);
    void showStartCaption();

    std::unique_ptr<Ui::MainPanel> m_ui;
    session::Session &m_session;
    settings::ProfileFile &m_settings;
    Desktop &m_desktop;
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
    ui::PreviewBoard *m_board = nullptr;
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

    std::unique_ptr<ui::LogBox> m_log;
    std::unique_ptr<hotkeys::HotKeys> m_hotKeys;
    std::unique_ptr<ui::TextEngraving> m_text;
    std::unique_ptr<ui::LocationModes> m_locations;
    std::unique_ptr<ui::KeyboardControl> m_keyboard;
    std::unique_ptr<ui::EffectChooserWindow> m_chooser;
    QProgressBar *m_uploadProgress = nullptr;
    bool m_startReadsResume = false;
    QString m_startCaption;  // the language's own, while Start reads as resume
};

// A unit shows a command: enabled as the command is; a click triggers it.
void bindToCommand(QAbstractButton &button, session::Command &command);

}  // namespace tavro::shell
