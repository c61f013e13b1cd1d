#include "job/machine_controls.h"

namespace tavro::job {
namespace {

constexpr std::initializer_list<MachineControls::Control> LocationControls = {
    MachineControls::PointMode, MachineControls::CentreMode, MachineControls::BoxMode,
    MachineControls::Up,        MachineControls::Down,       MachineControls::Left,
    MachineControls::Right};

}  // namespace

MachineControls::MachineControls(QObject *parent) : QObject(parent)
{
    m_enabled.fill(true);
    for (Control c : {Start, Pause, Restart, PowerOff}) m_enabled[c] = false;
}

void MachineControls::set(std::initializer_list<Control> controls, bool enabled)
{
    for (Control c : controls) m_enabled[c] = enabled;
    emit changed();
}

void MachineControls::EnableMachineControls()
{
    m_enabled.fill(true);
    emit changed();
}

void MachineControls::DisableMachineControls()
{
    m_enabled.fill(false);
    emit changed();
}

void MachineControls::ResetLocationControls()
{
    set(LocationControls, true);
    emit locationReset();
}

void MachineControls::LockLocationControls()
{
    set(LocationControls, false);
}

void MachineControls::KeepOnlyPictureControls()
{
    m_enabled.fill(false);
    set({SendImage, Clear, ZoomOut, Rotate, Reload}, true);
}

}  // namespace tavro::job
