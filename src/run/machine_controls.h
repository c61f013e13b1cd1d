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

    // Before the machine is known, everything but Start, Pause, Restart and Power OFF.
    explicit MachineControls(QObject *parent = nullptr);

    bool isEnabled(Control control) const { return m_enabled[control]; }

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

    std::array<bool, Count> m_enabled{};
    std::optional<std::array<bool, Count>> m_beforeDrop;
};

}  // namespace tavro::run
