// The main window: shows the state of the link and the job, and forwards the operator's clicks.
#pragma once

#include "job/job_view.h"
#include "link/link_view.h"
#include "shell/message_box.h"
#include "shell/message_log.h"

#include <QWidget>

#include <functional>
#include <memory>

namespace Ui {
class MainWindow;
}
class QProgressBar;

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

class MainWindow final : public QWidget, public link::LinkView, public job::JobView {
    Q_OBJECT
public:
    // Left edges of the job buttons when the machine has no power-off (firmware 1).
    static constexpr int FirmwareOneStartLeft = 264;
    static constexpr int FirmwareOnePauseLeft = 456;
    static constexpr int FirmwareOneRestartLeft = 640;

    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Connects every control to the handlers; done once, before the window is used.
    void attach(link::EngraverLink &link, job::JobControls &jobs, platform::ProfileFile &settings,
                platform::Clock &clock);

    MessageLog &log() { return *m_log; }
    workspace::PreviewBoard &board();
    workspace::BoardEditor &editor() { return *m_editor; }
    workspace::LocationModes &locations() { return *m_locations; }
    workspace::TextEngraving &text() { return *m_text; }
    workspace::KeyboardControl &keyboard() { return *m_keyboard; }
    platform::HotKeys &hotKeys() { return *m_hotKeys; }
    job::EffectChooserWindow &chooser() { return *m_chooser; }

    // Picture files dropped on the window: one path, or every path followed by CR LF.
    void DropFiles(const QString &paths);
    void ClearBoard();
    void OpenSettings();
    void OpenHelpOnCtrlRelease();

    // Captions of the chosen language, its drop hint on the board, the choice saved.
    void ApplyLanguage();
    // The stored language as the combo box's selection, without applying it yet.
    void selectStoredLanguage(int index);

    // Replaced by tests: how boxes are shown and how the program ends.
    std::function<int(const QString &, BoxButtons, const QString &)> messageBox = ShowMessageBox;
    std::function<void()> quit;
    // Sees every text appended to the log (for --trace).
    std::function<void(const QString &)> onLog;

    // link::LinkView
    void LogText(const QString &text) override;
    void setConnectCaption(const QString &caption) override;
    void setConnectEnabled(bool enabled) override;
    void showBreakButton() override;
    void EnableMachineControls() override;
    void DisableMachineControls() override;
    void ResetLocationControls() override;
    void stopRunClock() override;
    void applyFirmwareOneLayout() override;
    void showPositionX(int x) override;
    void showPositionY(int y) override;
    void drawTracePoint(int x, int y) override;
    void showBurnTime(int t) override;
    void showMessage(const QString &text, const QString &caption) override;
    void showUploadProgress(qint64 written, qint64 total) override;

    // job::JobView
    void setRunTimeText(const QString &text) override;
    void setBurnTimeText(const QString &text) override;
    void setPositionFields(const QString &x, const QString &y) override;
    void LockLocationControls() override;
    int askOkCancel(const QString &text, const QString &caption) override;
    void endProgram() override;

    // The 21 machine controls, in the order they are switched.
    QList<QWidget *> machineControls() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void applyFonts();
    void connectJobControls();
    void connectWorkspace();
    void setMachineControlsEnabled(bool enabled);
    QList<QWidget *> locationControls() const;

    std::unique_ptr<Ui::MainWindow> m_ui;
    std::unique_ptr<MessageLog> m_log;
    link::EngraverLink *m_link = nullptr;
    job::JobControls *m_jobs = nullptr;
    platform::ProfileFile *m_settings = nullptr;
    std::unique_ptr<workspace::BoardEditor> m_editor;
    std::unique_ptr<workspace::LocationModes> m_locations;
    std::unique_ptr<workspace::TextEngraving> m_text;
    std::unique_ptr<platform::HotKeys> m_hotKeys;
    std::unique_ptr<workspace::KeyboardControl> m_keyboard;
    std::unique_ptr<job::EffectChooserWindow> m_chooser;
    QProgressBar *m_uploadProgress = nullptr;
};

}  // namespace tavro::shell
