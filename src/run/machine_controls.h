// The 21 controls that depend on the machine, switched as sets; windows show what this holds.
#pragma once

#include <QObject>

#include <array>
#include <initializer_list>
#include <optional>

namespace tavro::run {

class MachineControls final : public QObject {
    Q_OBJECT
public:
    // In the order the sets are switched.
    enum Control {
        Up,
        Down,
        Left,
        Right,
        Pause,
        Start,
        PointMode,
        CentreMode,
        BoxMode,
        SendImage,
        Restart,
        BurnTime,
        Settings,
        FastForward,
        FastBackward,
        Recarve,
        Clear,
        ZoomOut,
        Rotate,
        Reload,
        PowerOff,
        Count
    };
    Q_ENUM(Control)
    // Which switch of the sets made the controls what they are: each says why a control is off.
    enum class SetBy { StartUp, Enabled, Disabled, PictureOnly };

    // Before the machine is known, everything but Start, Pause, Restart and Power OFF.
    explicit MachineControls(QObject *parent = nullptr);

    bool isEnabled(Control control) const { return m_enabled[control]; }
    const std::array<bool, Count> &enabled() const { return m_enabled; }
    SetBy setBy() const { return m_setBy; }
    // A job's start took the location controls away until it ends or is restarted.
    bool locationLocked() const { return m_locationLocked; }

    void enableMachineControls();
    void disableMachineControls();
    // The location radio boxes and the jog buttons usable again, the radio boxes
    // unchecked and the board's pointer back to the arrow.
    void resetLocationControls();
    void lockLocationControls();
    // After a drop only the send and editing buttons stay usable. What was usable before the
    // first of several drops is kept until a picture is chosen or the controls switch again.
    void keepOnlyPictureControls();
    // The drop came to nothing: the controls as they were before it.
    void restoreBeforeDrop();
    void forgetBeforeDrop() { m_beforeDrop.reset(); }

signals:
    void changed();
    // The radio boxes and the board's pointer are the window's to reset.
    void locationReset();

private:
    void set(std::initializer_list<Control> controls, bool enabled);

    struct Sets {
        std::array<bool, Count> enabled{};
        SetBy setBy = SetBy::StartUp;
        bool locationLocked = false;
    };

    std::array<bool, Count> m_enabled{};
    SetBy m_setBy = SetBy::StartUp;
    bool m_locationLocked = false;
    std::optional<Sets> m_beforeDrop;
};

}  // namespace tavro::run
