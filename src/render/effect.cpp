#include "render/effect.h"

using namespace Qt::Literals::StringLiterals;

namespace tavro::render {

QString effectName(Effect effect)
{
    switch (effect) {
    case Effect::BlackWhite:
        return u"bw"_s;
    case Effect::Dither:
        return u"dither"_s;
    case Effect::Threshold:
        return u"threshold"_s;
    case Effect::FloydSteinberg:
        return u"fs"_s;
    case Effect::Atkinson:
        return u"atkinson"_s;
    case Effect::JarvisJudiceNinke:
        return u"jjn"_s;
    case Effect::Stucki:
        return u"stucki"_s;
    case Effect::Sierra:
        return u"sierra"_s;
    case Effect::Bayer:
        return u"bayer"_s;
    }
    return {};
}

std::optional<Effect> effectFromName(QStringView name)
{
    for (const Effect effect : AllEffects)
        if (name == effectName(effect)) return effect;
    return std::nullopt;
}

}  // namespace tavro::render
