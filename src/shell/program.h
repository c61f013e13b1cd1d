// The program's objects from start to end, and the start-up order.
#pragma once

#include "job/session.h"
#include "shell/desktop.h"
#include "shell/held_escape_filter.h"
#include "shell/job_status_bar.h"
#include "shell/main_panel.h"
#include "shell/main_window.h"
#include "shell/window_title_fallback.h"

namespace tavro::shell {

class Program {
public:
    static constexpr int ExpectedProductId = 10;
    static constexpr int KnownFirmwareVersion = 2;

    // The services outlive the program's objects.
    Program(platform::SerialLine &line, platform::Clock &clock, const platform::PortLister &ports,
            Desktop &desktop, const QString &settingsFolder, bool trace = false);

    // Runs once the main window exists, before the first input is handled.
    void onMainWindowCreated();

    job::Session &session() { return m_session; }
    // The layout's panel, which is the central area of the program's window.
    MainPanel &panel() { return m_panel; }
    MainWindow &window() { return m_window; }
    JobStatusBar &statusBar() { return *m_statusBar; }

private:
    BoxPrompter m_prompter;
    job::Session m_session;
    MainPanel m_panel;
    HeldEscapeFilter m_heldEscape;
    WindowTitleFallback m_titles;
    MainWindow m_window;
    JobStatusBar *m_statusBar = nullptr;  // the window owns it
};

// Calibri, Arial and the Chinese UI face map to the fonts this system ships.
void installFontSubstitutions();

}  // namespace tavro::shell
