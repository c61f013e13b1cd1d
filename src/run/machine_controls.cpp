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
    emit changed();
}

void MachineControls::disableMachineControls()
{
    m_beforeDrop.reset();
    m_enabled.fill(false);
    emit changed();
}

void MachineControls::resetLocationControls()
{
    set(LocationControls, true);
    emit locationReset();
}

void MachineControls::lockLocationControls()
{
    set(LocationControls, false);
}

void MachineControls::keepOnlyPictureControls()
{
    const std::optional<std::array<bool, Count>> before = m_beforeDrop.value_or(m_enabled);
    m_enabled.fill(false);
    set({SendImage, Clear, ZoomOut, Rotate, Reload}, true);
    m_beforeDrop = before;
}

void MachineControls::restoreBeforeDrop()
{
    if (!m_beforeDrop) return;
    m_enabled = *std::exchange(m_beforeDrop, std::nullopt);
    emit changed();
}

}  // namespace tavro::run
