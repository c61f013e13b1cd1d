// The operator's materials: presets kept in one file of the settings folder, the one chosen
// last, and whether the board is shown as it will burn on it.
#pragma once

#include "materials/material_preset.h"
#include "platform/outcome.h"
#include "settings/profile_file.h"

#include <QList>
#include <QObject>

#include <functional>
#include <optional>

namespace tavro::materials {

// Materials.ini, written as Config.ini is (whole, under its lock, through a temporary file):
// section [Materials] (Version, Count, Chosen, AsItWillBurn) and one section a preset,
// [Preset1] to [PresetN], keys as materialPresetValues gives them. Every change is made to
// the file as it is under the lock, so another program's change is kept; a file of a newer
// version is never written.
class MaterialPresets final : public QObject {
    Q_OBJECT
public:
    static constexpr int Version = 1;
    static constexpr int MaxPresets = 200;
    // An export or import larger than this holds no presets of ours.
    static constexpr qint64 MaxExchangeBytes = 1024 * 1024;

    explicit MaterialPresets(const QString &settingsFolder, QObject *parent = nullptr);

    static QString fileName() { return QStringLiteral("Materials.ini"); }
    QString path() const { return m_file.path(); }

    const QList<MaterialPreset> &presets() const { return m_presets; }
    std::optional<MaterialPreset> find(const QString &name) const;
    // Why the file's presets could not be read; empty when they were, or there is no file.
    const QString &problem() const { return m_problem; }

    // Adds the preset, or replaces the one of its name. When it cannot be kept, why not, and
    // nothing changed.
    platform::Outcome save(const MaterialPreset &preset);
    platform::Outcome remove(const QString &name);

    // Every preset to a file of the same form, whole or not at all.
    platform::Outcome exportTo(const QString &path) const;
    // The presets of such a file join these; one of a name already here replaces it. How many
    // joined, or why none did.
    platform::Result<int> importFrom(const QString &path);

    // The material picked last; empty for none.
    const QString &chosen() const { return m_chosen; }
    void setChosen(const QString &name);
    // The look of the chosen material (the defaults without one), dots of `diameter`.
    render::BurnLook look(double diameter) const;

    bool asItWillBurn() const { return m_asItWillBurn; }
    void setAsItWillBurn(bool on);

signals:
    void presetsChanged();
    void chosenChanged(const QString &name);
    void asItWillBurnChanged(bool on);

private:
    using Setting = settings::ProfileFile::Setting;
    // What a write does to the presets of the file; it may run later, so it holds its own data.
    using PresetsChange = std::function<void(QList<MaterialPreset> &presets)>;

    void load();
    // Done when written, or waiting for another program's write.
    platform::Outcome write(const PresetsChange &change, const QList<Setting> &head);
    platform::Outcome changePresets(const PresetsChange &change);

    settings::ProfileFile m_file;
    QList<MaterialPreset> m_presets;
    QString m_problem;
    QString m_chosen;
    bool m_asItWillBurn = false;
};

}  // namespace tavro::materials
