// The program's objects from start to end, and the start-up order.
#pragma once

#include "job/job_controls.h"
#include "job/job_estimator.h"
#include "job/job_model.h"
#include "job/job_recovery.h"
#include "job/machine_controls.h"
#include "link/engraver_link.h"
#include "platform/profile_file.h"
#include "shell/app_window.h"
#include "shell/desktop_notifier.h"
#include "shell/held_escape_filter.h"
#include "shell/job_guard.h"
#include "shell/job_status_bar.h"
#include "shell/main_window.h"
#include "shell/message_box.h"
#include "shell/window_title_fallback.h"

namespace tavro::shell {

class Program {
public:
    static constexpr int ExpectedProductId = 10;
    static constexpr int KnownFirmwareVersion = 2;

    Program(platform::SerialLine &line, platform::Clock &clock, link::PortLister lister,
            const QString &settingsFolder);

    // Runs once the main window exists, before the first input is handled.
    void onMainWindowCreated();

    // The layout's window, which is the central area of the program's window.
    MainWindow &window() { return m_window; }
    AppWindow &appWindow() { return m_appWindow; }
    link::EngraverLink &link() { return m_link; }
    job::JobControls &jobs() { return m_jobs; }
    platform::ProfileFile &settings() { return m_settings; }
    BoxPrompter &prompter() { return m_prompter; }
    job::JobModel &jobModel() { return m_model; }
    job::JobEstimator &estimator() { return m_estimator; }
    job::JobRecovery &recovery() { return m_recovery; }
    JobStatusBar &statusBar() { return *m_statusBar; }
    DesktopNotifier &notifier() { return m_notifier; }

private:
    QString m_settingsFolder;
    platform::ProfileFile m_settings;
    BoxPrompter m_prompter;
    link::EngraverLink m_link;
    job::MachineControls m_controls;
    job::JobControls m_jobs;
    job::JobModel m_model;
    job::JobEstimator m_estimator;
    job::JobRecovery m_recovery;
    JobGuard m_guard;
    MainWindow m_window;
    HeldEscapeFilter m_heldEscape;
    WindowTitleFallback m_titles;
    AppWindow m_appWindow;
    JobStatusBar *m_statusBar = nullptr;  // the program's window owns it
    DesktopNotifier m_notifier;
};

// Calibri, Arial and the Chinese UI face map to the fonts this system ships.
void installFontSubstitutions();

}  // namespace tavro::shell
