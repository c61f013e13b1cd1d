#include "session/commands.h"

#include <QCoreApplication>

namespace tavro::session {
namespace {

using C = run::MachineControls;

// The reasons are the session's texts (QT_TRANSLATE_NOOP in its context, for the translators).
QString reason(const char *text)
{
    return QCoreApplication::translate("tavro::session::SessionImpl", text);
}

const std::array<CommandSpec, CommandCount> Table = {{
    {CommandId::Connect,
     u"connectAction",
     QT_TRANSLATE_NOOP("tavro::shell::MainMenu", "&Connect"),
     std::nullopt,
     {}},
    {CommandId::Break,
     u"breakAction",
     QT_TRANSLATE_NOOP("tavro::shell::MainMenu", "&Break"),
     std::nullopt,
     {}},
    {CommandId::SendImage, u"sendImageAction",
     QT_TRANSLATE_NOOP("tavro::shell::MainMenu", "Send &Image To Machine"), C::SendImage,
     QKeySequence(Qt::CTRL | Qt::Key_Return)},
    {CommandId::Start, u"startAction", QT_TRANSLATE_NOOP("tavro::shell::MainMenu", "&Start"),
     C::Start, QKeySequence(Qt::Key_F5)},
    {CommandId::Pause, u"pauseAction", QT_TRANSLATE_NOOP("tavro::shell::MainMenu", "&Pause"),
     C::Pause, QKeySequence(Qt::Key_F6)},
    {CommandId::Restart, u"restartAction", QT_TRANSLATE_NOOP("tavro::shell::MainMenu", "&Restart"),
     C::Restart, QKeySequence(Qt::Key_F7)},
    {CommandId::Recarve, nullptr, nullptr, C::Recarve, {}},
    {CommandId::FastForward, nullptr, nullptr, C::FastForward, {}},
    {CommandId::FastBackward, nullptr, nullptr, C::FastBackward, {}},
    {CommandId::PowerOff,
     u"powerOffAction",
     QT_TRANSLATE_NOOP("tavro::shell::MainMenu", "Power &Off…"),
     C::PowerOff,
     {}},
    {CommandId::Settings,
     u"settingsAction",
     QT_TRANSLATE_NOOP("tavro::shell::MainMenu", "Se&ttings…"),
     C::Settings,
     {}},
    {CommandId::Clear, nullptr, nullptr, C::Clear, {}},
    {CommandId::Reload, nullptr, nullptr, C::Reload, {}},
    {CommandId::ZoomOut, nullptr, nullptr, C::ZoomOut, {}},
    {CommandId::Rotate, nullptr, nullptr, C::Rotate, {}},
    {CommandId::JogUp, nullptr, nullptr, C::Up, {}},
    {CommandId::JogDown, nullptr, nullptr, C::Down, {}},
    {CommandId::JogLeft, nullptr, nullptr, C::Left, {}},
    {CommandId::JogRight, nullptr, nullptr, C::Right, {}},
    {CommandId::PointMode, nullptr, nullptr, C::PointMode, {}},
    {CommandId::CentreMode, nullptr, nullptr, C::CentreMode, {}},
    {CommandId::BoxMode, nullptr, nullptr, C::BoxMode, {}},
    {CommandId::BurnTime, nullptr, nullptr, C::BurnTime, {}},
    {CommandId::Undo, u"undoAction", QT_TRANSLATE_NOOP("tavro::shell::MainMenu", "&Undo"),
     std::nullopt, QKeySequence(Qt::CTRL | Qt::Key_Z)},
    {CommandId::Redo, u"redoAction", QT_TRANSLATE_NOOP("tavro::shell::MainMenu", "&Redo"),
     std::nullopt, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
    {CommandId::MirrorLeftRight,
     u"mirrorLeftRightAction",
     QT_TRANSLATE_NOOP("tavro::shell::MainMenu", "Mirror &Left to Right"),
     std::nullopt,
     {}},
    {CommandId::MirrorTopBottom,
     u"mirrorTopBottomAction",
     QT_TRANSLATE_NOOP("tavro::shell::MainMenu", "Mirror &Top to Bottom"),
     std::nullopt,
     {}},
    {CommandId::SizeAndPosition,
     u"sizeAndPositionAction",
     QT_TRANSLATE_NOOP("tavro::shell::MainMenu", "&Size and Position…"),
     std::nullopt,
     {}},
    {CommandId::MachineSize,
     u"machineSizeAction",
     QT_TRANSLATE_NOOP("tavro::shell::MainMenu", "Machine Si&ze…"),
     std::nullopt,
     {}},
}};

bool isLocation(C::Control control)
{
    switch (control) {
    case C::Up:
    case C::Down:
    case C::Left:
    case C::Right:
    case C::PointMode:
    case C::CentreMode:
    case C::BoxMode:
        return true;
    default:
        return false;
    }
}

QString noMachine()
{
    return reason(QT_TRANSLATE_NOOP("tavro::session::SessionImpl", "No machine is connected"));
}

// Why one of the layout's machine controls is off: from what switched the sets last.
QString whyControlOff(C::Control control, const CommandSnapshot &s)
{
    if (isLocation(control) && s.locationLocked) {
        return s.run == run::RunDriver::State::Paused
                   ? reason(QT_TRANSLATE_NOOP(
                         "tavro::session::SessionImpl",
                         "Not while a job is paused: Start goes on with it, Restart ends it"))
                   : reason(QT_TRANSLATE_NOOP("tavro::session::SessionImpl",
                                              "Not while the machine carves"));
    }
    switch (s.setBy) {
    case C::SetBy::StartUp:
    case C::SetBy::Disabled:
        return noMachine();
    case C::SetBy::PictureOnly:
        return reason(
            QT_TRANSLATE_NOOP("tavro::session::SessionImpl",
                              "Choose a rendering and send it, or clear the board, first"));
    case C::SetBy::Enabled:
        break;
    }
    return s.identified ? reason(QT_TRANSLATE_NOOP(
                              "tavro::session::SessionImpl",
                              "Choose a rendering and send it, or clear the board, first"))
                        : noMachine();
}

Availability onlyIf(bool can, const char *whyNot)
{
    return can ? Availability{} : Availability{false, true, reason(whyNot)};
}

}  // namespace

const std::array<CommandSpec, CommandCount> &commandTable()
{
    return Table;
}

const CommandSpec &commandSpec(CommandId id)
{
    return Table[std::size_t(id)];
}

Availability availability(CommandId id, const CommandSnapshot &s)
{
    switch (id) {
    case CommandId::Connect:
        return onlyIf(s.connectEnabled,
                      QT_TRANSLATE_NOOP("tavro::session::SessionImpl", "The machine is connected"));
    case CommandId::Break:
    case CommandId::MachineSize:
        return {};
    case CommandId::Undo:
    case CommandId::Redo:
    case CommandId::MirrorLeftRight:
    case CommandId::MirrorTopBottom:
    case CommandId::SizeAndPosition: {
        // The board's own edits go with the editing buttons, and need something to act on.
        if (const Availability editing = availability(CommandId::Rotate, s); !editing.enabled)
            return editing;
        if (id == CommandId::Undo)
            return onlyIf(s.canUndo,
                          QT_TRANSLATE_NOOP("tavro::session::SessionImpl", "Nothing to undo"));
        if (id == CommandId::Redo)
            return onlyIf(s.canRedo,
                          QT_TRANSLATE_NOOP("tavro::session::SessionImpl", "Nothing to redo"));
        return onlyIf(
            s.placeable,
            QT_TRANSLATE_NOOP("tavro::session::SessionImpl",
                              "Only a picture chosen in the effect chooser, not yet zoomed out or "
                              "rotated, can be placed"));
    }
    default:
        break;
    }
    const C::Control control = *commandSpec(id).control;
    Availability a;
    a.visible = id != CommandId::PowerOff || s.powerOffShown;
    if (!s.controls[control]) {
        a.enabled = false;
        a.whyNot = whyControlOff(control, s);
    }
    return a;
}

}  // namespace tavro::session
