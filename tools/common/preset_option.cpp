#include "common/preset_option.h"

#include "materials/material_presets.h"

using namespace Qt::Literals::StringLiterals;

namespace tavro::cli {

void addPresetOption(QCommandLineParser &parser)
{
    parser.addOption({u"preset"_s,
                      u"A material preset saved in the program: its method, tuning and burn "
                      u"time. Options given as well win over it."_s,
                      u"NAME"_s});
}

platform::Outcome readPresetOption(const QCommandLineParser &parser, const QString &settingsFolder,
                                   RenderChoice &choice, int *burnTime)
{
    if (!parser.isSet(u"preset"_s)) return platform::Outcome::done();
    const QString name = parser.value(u"preset"_s);
    const materials::MaterialPresets presets(settingsFolder);
    const std::optional<materials::MaterialPreset> preset = presets.find(name);
    if (!preset) {
        if (!presets.problem().isEmpty())
            return platform::Outcome::failed(u"no preset '%1': %2"_s.arg(name, presets.problem()));
        QStringList names;
        for (const materials::MaterialPreset &p : presets.presets())
            names << u'\'' + p.name + u'\'';
        return platform::Outcome::failed(
            names.isEmpty() ? u"no preset '%1': none is saved in %2"_s.arg(name, presets.path())
                            : u"no preset '%1'; there are %2"_s.arg(name, names.join(u", "_s)));
    }
    choice.effect = preset->tuning.method;
    choice.tuning = preset->tuning;
    if (burnTime) *burnTime = preset->burnTime;
    return platform::Outcome::done();
}

}  // namespace tavro::cli
