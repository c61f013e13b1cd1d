// The session's material presets: what choosing one does to the job.
#include "materials/materials_settings.h"
#include "session/session_impl.h"

namespace tavro::session {

bool SessionImpl::choosePreset(const QString &name)
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

platform::Outcome SessionImpl::savePreset(const materials::MaterialPreset &preset)
{
    return m_materials.save(preset);
}

platform::Outcome SessionImpl::removePreset(const QString &name)
{
    return m_materials.remove(name);
}

platform::Outcome SessionImpl::exportPresets(const QString &path) const
{
    return m_materials.exportTo(path);
}

platform::Result<int> SessionImpl::importPresets(const QString &path)
{
    return m_materials.importFrom(path);
}

void SessionImpl::setChosenMaterial(const QString &name)
{
    m_materials.setChosen(name);
}

void SessionImpl::setAsItWillBurn(bool on)
{
    m_materials.setAsItWillBurn(on);
}

void SessionImpl::rememberCard(const materials::TestCard &card, bool finished)
{
    QList<settings::ProfileFile::Setting> settings;
    for (const QString &line : card.toLines()) {
        const qsizetype at = line.indexOf(u'=');
        settings.append({materials::TestCardSection.toString(), line.left(at), line.mid(at + 1)});
    }
    settings.append(materials::TestCardFinished.setting(finished));
    // A card that cannot be remembered is still burnt; the settings file says why in its log.
    m_settings.write(settings);
}

std::optional<materials::TestCardPlan> SessionImpl::lastCard() const
{
    QStringList lines;
    for (const QString &line : materials::TestCard(materials::TestCardPlan{}).toLines()) {
        const QString key = line.left(line.indexOf(u'='));
        const QString value =
            m_settings.read(materials::TestCardSection.toString(), key, QString());
        if (!value.isEmpty()) lines << key + u'=' + value;
    }
    return materials::TestCard::planFromLines(lines);
}

bool SessionImpl::lastCardFinished() const
{
    return materials::TestCardFinished.read(m_settings) && lastCard();
}

}  // namespace tavro::session
