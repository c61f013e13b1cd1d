// The session's material presets: what choosing one does to the job.
#include "session/session.h"

namespace tavro::session {

bool Session::choosePreset(const QString &name)
{
    const std::optional<materials::MaterialPreset> preset = m_materials.find(name);
    if (!preset) return false;
    m_materials.setChosen(name);
    m_document.setTuning(preset->tuning);
    // A picture still as it was chosen takes the preset's tuning on the board too.
    static_cast<void>(m_document.redrawWithTuning(preset->tuning));
    rememberTuning();
    // As the slider's release sends it; a machine not yet found gets it once it is.
    m_burnTimeOwed = m_link.state() != link::LinkState::Identified;
    if (m_burnTimeOwed)
        m_document.setBurnTime(preset->burnTime);
    else
        burnTimeReleased(preset->burnTime);
    return true;
}

}  // namespace tavro::session
