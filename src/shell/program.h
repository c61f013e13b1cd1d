// The program's objects from start to end, and the start-up order.
#pragma once

#include "machine/device_watcher.h"
#include "platform/ending_signals.h"
#include "platform/last_words.h"
#include "session/session_impl.h"
#include "session/test_card_run.h"
#include "shell/connection_check.h"
#include "shell/desktop.h"
#include "shell/held_escape_filter.h"
#include "shell/job_status_bar.h"
#include "shell/main_panel.h"
#include "shell/main_window.h"
#include "shell/window_title_fallback.h"

namespace tavro::shell {

class BoardEditing;
class BoardLook;
class MaterialMenu;

// What the program is built on; all of it outlives the program's objects.
struct ProgramServices {
    platform::SerialLine &line;
    platform::Clock &clock;
    const platform::PortLister &ports;
    // COM1..COM64 as device paths: what the hot-plug watch and the connection check look at.
    const platform::PortTable &table;
    Desktop &desktop;
};

class Program {
public:
    Program(const ProgramServices &services, const QString &settingsFolder, bool trace = false);

    // Runs once the main window exists, before the first input is handled.
    void onMainWindowCreated();

    session::Session &session() { return m_session; }
    // The layout's panel, which is the central area of the program's window.
    MainPanel &panel() { return m_panel; }
    MainWindow &window() { return m_window; }
    JobStatusBar &statusBar() { return *m_statusBar; }
    ConnectionCheck &connectionCheck() { return m_check; }
    MaterialMenu &materialMenu() { return *m_materials; }

private:
    BoxPrompter m_prompter;
    // The window's own choices in Config.ini: the language, the recent files.
    settings::ProfileFile m_settings;
    machine::DeviceWatcher m_devices;
    session::SessionImpl m_session;
    session::TestCardRun m_card;
    MainPanel m_panel;
    HeldEscapeFilter m_heldEscape;
    WindowTitleFallback m_titles;
    MainWindow m_window;
    JobStatusBar *m_statusBar = nullptr;  // the window owns it
    ConnectionCheck m_check;
    MaterialMenu *m_materials = nullptr;  // the window owns them
    BoardLook *m_look = nullptr;
    BoardEditing *m_editing = nullptr;
    // Told to end, or losing the display, the program pauses a running machine first.
    platform::EndingSignals m_endings;
    platform::LastWords m_lastWords;
};

// Calibri, Arial and the Chinese UI face map to the fonts this system ships.
void installFontSubstitutions();

}  // namespace tavro::shell
