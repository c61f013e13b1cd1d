// The renderings a picture can be burnt as, and their names on the command line and in settings.
#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace tavro::render {

// BlackWhite and Dither are the chooser's two original renderings; the others work
// on a tuned grey level (see picture_tuning.h).
enum class Effect {
    BlackWhite,
    Dither,
    Threshold,
    FloydSteinberg,
    Atkinson,
    JarvisJudiceNinke,
    Stucki,
    Sierra,
    Bayer,
};

inline constexpr std::array AllEffects{
    Effect::BlackWhite,     Effect::Dither,   Effect::Threshold,
    Effect::FloydSteinberg, Effect::Atkinson, Effect::JarvisJudiceNinke,
    Effect::Stucki,         Effect::Sierra,   Effect::Bayer,
};

// What the chooser's right panel offers, in the order it offers them.
inline constexpr std::array RightPanelEffects{
    Effect::Dither, Effect::FloydSteinberg, Effect::Atkinson, Effect::JarvisJudiceNinke,
    Effect::Stucki, Effect::Sierra,         Effect::Bayer,
};

// "bw", "dither", "threshold", "fs", "atkinson", "jjn", "stucki", "sierra", "bayer".
QString effectName(Effect effect);
// The effect of a name as EffectName gives it, exactly; nullopt for anything else.
std::optional<Effect> effectFromName(QStringView name);

}  // namespace tavro::render
