#include "job/material_presets.h"

#include "platform/file_name.h"
#include "platform/whole_file.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;

namespace tavro::job {
namespace {

const QString HeadSection = u"Materials"_s;

QString presetSection(int index)
{
    return u"Preset%1"_s.arg(index + 1);
}

using ValueOf = std::function<std::optional<QString>(const QString &section, const QString &key)>;

// Nothing when the text holds no presets of ours; `problem` says why.
std::optional<QList<MaterialPreset>> presetsFrom(const ValueOf &valueOf, QString &problem)
{
    bool ok = false;
    const int version = valueOf(HeadSection, u"Version"_s).value_or(QString()).toInt(&ok);
    if (!ok || version < 1) {
        problem = MaterialPresets::tr("it holds no material presets");
        return std::nullopt;
    }
    if (version > MaterialPresets::Version) {
        problem = MaterialPresets::tr("it was written by a newer Tavro Laser");
        return std::nullopt;
    }
    const int count = std::clamp(valueOf(HeadSection, u"Count"_s).value_or(QString()).toInt(), 0,
                                 MaterialPresets::MaxPresets);
    QList<MaterialPreset> presets;
    for (int i = 0; i < count; ++i) {
        const QString section = presetSection(i);
        const std::optional<MaterialPreset> preset =
            materialPresetFromValues([&](const QString &key) { return valueOf(section, key); });
        // A preset without a usable name is left out; the others are kept.
        if (!preset) continue;
        const auto same = [&](const MaterialPreset &p) { return p.name == preset->name; };
        if (std::ranges::none_of(presets, same)) presets << *preset;
    }
    return presets;
}

QList<platform::ProfileFile::Setting> settingsOf(const QList<MaterialPreset> &presets,
                                                 int previousCount)
{
    QList<platform::ProfileFile::Setting> settings{
        {HeadSection, u"Version"_s, QString::number(MaterialPresets::Version)},
        {HeadSection, u"Count"_s, QString::number(presets.size())}};
    for (int i = 0; i < presets.size(); ++i)
        for (const auto &[key, value] : materialPresetValues(presets[i]))
            settings.append({presetSection(i), key, value});
    // A section no longer counted is emptied of its name, so it reads as no preset at all.
    for (int i = int(presets.size()); i < previousCount; ++i)
        settings.append({presetSection(i), u"Name"_s, QString()});
    return settings;
}

void replaceOrAdd(QList<MaterialPreset> &presets, const MaterialPreset &preset)
{
    for (MaterialPreset &p : presets) {
        if (p.name == preset.name) {
            p = preset;
            return;
        }
    }
    presets << preset;
}

}  // namespace

MaterialPresets::MaterialPresets(const QString &settingsFolder, QObject *parent)
    : QObject(parent), m_file(QDir(settingsFolder).filePath(fileName()))
{
    load();
}

void MaterialPresets::load()
{
    const auto valueOf = [this](const QString &section, const QString &key) {
        const QString value = m_file.read(section, key, QString());
        return value.isEmpty() ? std::nullopt : std::optional(value);
    };
    QString problem;
    // A file that cannot be read is no preset at all; it is rewritten at the next change.
    m_presets = presetsFrom(valueOf, problem).value_or(QList<MaterialPreset>());
    m_chosen = valueOf(HeadSection, u"Chosen"_s).value_or(QString());
    m_asItWillBurn = valueOf(HeadSection, u"AsItWillBurn"_s) == u"1"_s;
}

std::optional<MaterialPreset> MaterialPresets::find(const QString &name) const
{
    for (const MaterialPreset &preset : m_presets)
        if (preset.name == name) return preset;
    return std::nullopt;
}

QString MaterialPresets::store(const QList<MaterialPreset> &presets)
{
    if (presets.size() > MaxPresets) return tr("There can be at most 200 presets.");
    const int previous = m_file.read(HeadSection, u"Count"_s, u"0"_s).toInt();
    if (!m_file.write(settingsOf(presets, std::clamp(previous, 0, MaxPresets))))
        return tr("The presets could not be saved in %1: %2.")
            .arg(platform::displayFileName(m_file.path()), m_file.lastError());
    m_presets = presets;
    emit presetsChanged();
    return {};
}

QString MaterialPresets::save(const MaterialPreset &preset)
{
    if (const QString problem = presetNameProblem(preset.name); !problem.isEmpty()) return problem;
    if (!BurnTimeRange.contains(preset.burnTime) || !preset.tuning.isValid())
        return tr("The preset's burn time or tuning is out of range.");
    load();
    QList<MaterialPreset> presets = m_presets;
    replaceOrAdd(presets, preset);
    return store(presets);
}

QString MaterialPresets::remove(const QString &name)
{
    load();
    QList<MaterialPreset> presets = m_presets;
    presets.removeIf([&](const MaterialPreset &p) { return p.name == name; });
    if (presets.size() == m_presets.size()) return {};
    return store(presets);
}

QString MaterialPresets::exportTo(const QString &path) const
{
    platform::ProfileText text;
    text.set(settingsOf(m_presets, 0));
    const QString reason = platform::writeWholeFile(path, text.bytes());
    if (reason.isEmpty()) return {};
    return tr("The presets could not be exported as %1: %2.")
        .arg(platform::displayFileName(path), reason);
}

MaterialPresets::Imported MaterialPresets::importFrom(const QString &path)
{
    Imported imported;
    QByteArray bytes;
    const QString shown = platform::displayFileName(path);
    if (const QString why = platform::readWholeFile(path, MaxExchangeBytes, bytes);
        !why.isEmpty()) {
        imported.error = tr("%1 cannot be read: %2.").arg(shown, why);
        return imported;
    }
    const platform::ProfileText text(bytes);
    QString problem;
    const std::optional<QList<MaterialPreset>> incoming = presetsFrom(
        [&text](const QString &section, const QString &key) { return text.value(section, key); },
        problem);
    if (!incoming) {
        imported.error = tr("%1 was not imported: %2.").arg(shown, problem);
        return imported;
    }
    load();
    QList<MaterialPreset> presets = m_presets;
    for (const MaterialPreset &preset : *incoming) replaceOrAdd(presets, preset);
    if (const QString why = store(presets); !why.isEmpty()) {
        imported.error = why;
        return imported;
    }
    imported.count = int(incoming->size());
    return imported;
}

void MaterialPresets::setChosen(const QString &name)
{
    if (name == m_chosen) return;
    m_chosen = name;
    // A choice that cannot be kept is still this session's choice.
    m_file.write(HeadSection, u"Chosen"_s, name);
    emit chosenChanged(name);
}

BurnLook MaterialPresets::look(double diameter) const
{
    BurnLook look{.dotDiameter = diameter};
    if (const std::optional<MaterialPreset> preset = find(m_chosen)) {
        look.material = preset->material;
        look.burn = preset->burn;
    }
    return look;
}

void MaterialPresets::setAsItWillBurn(bool on)
{
    if (on == m_asItWillBurn) return;
    m_asItWillBurn = on;
    m_file.write(HeadSection, u"AsItWillBurn"_s, on ? u"1"_s : u"0"_s);
    emit asItWillBurnChanged(on);
}

}  // namespace tavro::job
