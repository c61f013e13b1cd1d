// Every command the operator can give, declared once, and the one rule that says whether each
// can be given now and why not.
#pragma once

#include "run/machine_controls.h"
#include "run/run_driver.h"

#include <QKeySequence>
#include <QString>

#include <array>
#include <optional>

namespace tavro::session {

enum class CommandId {
    Connect,
    Break,
    SendImage,
    Start,
    Pause,
    Restart,
    Recarve,
    FastForward,
    FastBackward,
    PowerOff,
    Settings,
    Clear,
    Reload,
    ZoomOut,
    Rotate,
    JogUp,
    JogDown,
    JogLeft,
    JogRight,
    PointMode,
    CentreMode,
    BoxMode,
    BurnTime,
    Undo,
    Redo,
    MirrorLeftRight,
    MirrorTopBottom,
    SizeAndPosition,
    MachineSize,
};
inline constexpr int CommandCount = int(CommandId::MachineSize) + 1;

struct CommandSpec {
    CommandId id;
    // The object name of its menu entry, if it has one.
    const char16_t *actionName;
    // Its menu entry's text (for QCoreApplication::translate in the menu's context); none for
    // a command that is a unit of the layout only.
    const char *menuText;
    // Which of the layout's machine controls it is: its state is switched with them.
    std::optional<run::MachineControls::Control> control;
    QKeySequence shortcut;
};

// In the order of CommandId.
const std::array<CommandSpec, CommandCount> &commandTable();
const CommandSpec &commandSpec(CommandId id);
// The translation context of the menu texts.
inline constexpr char MenuContext[] = "tavro::shell::MainMenu";

// One look at everything a command's availability depends on.
struct CommandSnapshot {
    bool identified = false;
    bool connectEnabled = true;  // the connect button's own state
    run::RunDriver::State run = run::RunDriver::State::Idle;
    bool startedHere = true;
    std::array<bool, run::MachineControls::Count> controls{};
    run::MachineControls::SetBy setBy = run::MachineControls::SetBy::StartUp;
    bool locationLocked = false;
    bool powerOffShown = true;  // firmware 1 has no Power OFF
    bool canUndo = false;
    bool canRedo = false;
    bool placeable = false;  // a chosen picture, not yet zoomed out or rotated
};

struct Availability {
    bool enabled = true;
    bool visible = true;
    QString whyNot;  // empty while enabled

    bool operator==(const Availability &) const = default;
};

// The one rule: every command's availability and its reason, from one snapshot.
Availability availability(CommandId id, const CommandSnapshot &snapshot);

}  // namespace tavro::session
