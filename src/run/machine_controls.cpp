#include "run/machine_controls.h"

#include <utility>

namespace tavro::run {
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
    m_beforeDrop.reset();
    for (Control c : controls) m_enabled[c] = enabled;
    emit changed();
}

void MachineControls::enableMachineControls()
{
    m_beforeDrop.reset();
    m_enabled.fill(true);
    m_setBy = SetBy::Enabled;
    m_locationLocked = false;
    emit changed();
}

void MachineControls::disableMachineControls()
{
    m_beforeDrop.reset();
    m_enabled.fill(false);
    m_setBy = SetBy::Disabled;
    m_locationLocked = false;
    emit changed();
}

void MachineControls::resetLocationControls()
{
    m_locationLocked = false;
    set(LocationControls, true);
    emit locationReset();
}

void MachineControls::lockLocationControls()
{
    m_locationLocked = true;
    set(LocationControls, false);
}

void MachineControls::keepOnlyPictureControls()
{
    const Sets before = m_beforeDrop.value_or(Sets{m_enabled, m_setBy, m_locationLocked});
    m_enabled.fill(false);
    m_setBy = SetBy::PictureOnly;
    m_locationLocked = false;
    set({SendImage, Clear, ZoomOut, Rotate, Reload}, true);
    m_beforeDrop = before;
}

void MachineControls::restoreBeforeDrop()
{
    if (!m_beforeDrop) return;
    const Sets before = *std::exchange(m_beforeDrop, std::nullopt);
    m_enabled = before.enabled;
    m_setBy = before.setBy;
    m_locationLocked = before.locationLocked;
    emit changed();
}

}  // namespace tavro::run
