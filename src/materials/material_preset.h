// A material the operator has found the right burn for: its burn time, tuning and look.
#pragma once

#include "document/burn_time.h"
#include "platform/outcome.h"
#include "render/as_it_will_burn.h"
#include "render/picture_tuning.h"

#include <QString>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace tavro::materials {

struct MaterialPreset {
    static constexpr qsizetype MaxNameLength = 64;
    static constexpr qsizetype MaxNotesLength = 2000;

    QString name{};
    int burnTime = document::DefaultBurnTime;
    // The method, its tone, the dot diameter and whether dot gain is compensated.
    render::PictureTuning tuning{};
    QRgb material = render::DefaultMaterialColour;
    QRgb burn = render::DefaultBurnColour;
    QString notes{};

    render::BurnLook look() const { return {tuning.dotDiameter, material, burn}; }

    friend bool operator==(const MaterialPreset &, const MaterialPreset &) = default;
};

// A name a preset may have: trimmed, one line, 1 to MaxNameLength characters; when not, why
// not, in the operator's language.
platform::Outcome checkPresetName(const QString &name);

// The preset as (key, value) texts: Name, BurnTime, the tuning's keys, Material and Burn as
// #RRGGBB, and Notes with backslash, CR and LF written as \\, \r and \n, so each is one line.
std::vector<std::pair<QString, QString>> materialPresetValues(const MaterialPreset &preset);
// Built back from stored texts: a key that is missing or does not parse gives its default.
// Nothing without a usable name.
std::optional<MaterialPreset> materialPresetFromValues(
    const std::function<std::optional<QString>(const QString &key)> &valueOf);

}  // namespace tavro::materials
