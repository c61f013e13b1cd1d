#include "render/picture_tuning.h"

#include "platform/key_value_lines.h"
#include "render/render_settings.h"
#include "settings/profile_file.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace tavro::render {
namespace {

constexpr GreySource AllGreySources[] = {GreySource::Auto, GreySource::Blue, GreySource::Average,
                                         GreySource::Luma};

bool isRightPanelEffect(Effect effect)
{
    return std::ranges::find(RightPanelEffects, effect) != RightPanelEffects.end();
}

// Calls `each(setting, value)` for every value of the tuning, in the order they are written.
template <typename Each>
void forEachValue(const PictureTuning &tuning, const Each &each)
{
    each(TuningGrey, tuning.grey);
    each(TuningBrightness, tuning.brightness);
    each(TuningContrast, tuning.contrast);
    each(TuningGamma, tuning.gamma);
    each(TuningInvert, tuning.invert);
    each(TuningThreshold, tuning.threshold);
    each(TuningMethod, tuning.method);
    each(TuningDotGain, tuning.compensateDotGain);
    each(TuningDotDiameter, tuning.dotDiameter);
}

// The tuning whose every value `read(setting)` gives.
template <typename Read>
PictureTuning tuningFrom(const Read &read)
{
    PictureTuning tuning;
    tuning.grey = read(TuningGrey);
    tuning.brightness = read(TuningBrightness);
    tuning.contrast = read(TuningContrast);
    tuning.gamma = read(TuningGamma);
    tuning.invert = read(TuningInvert);
    tuning.threshold = read(TuningThreshold);
    tuning.method = read(TuningMethod);
    tuning.compensateDotGain = read(TuningDotGain);
    tuning.dotDiameter = read(TuningDotDiameter);
    return tuning;
}

}  // namespace

QString greySourceName(GreySource source)
{
    switch (source) {
    case GreySource::Auto:
        return u"auto"_s;
    case GreySource::Blue:
        return u"blue"_s;
    case GreySource::Average:
        return u"average"_s;
    case GreySource::Luma:
        return u"luma"_s;
    }
    return {};
}

std::optional<GreySource> greySourceFromName(QStringView name)
{
    for (const GreySource source : AllGreySources)
        if (name == greySourceName(source)) return source;
    return std::nullopt;
}

GreySource resolveGreySource(GreySource source, Effect effect)
{
    if (source != GreySource::Auto) return source;
    // An RGB sum of 383 or more is exactly an average that rounds to 128 or more,
    // so the average keeps black and white as they always were.
    if (effect == Effect::BlackWhite) return GreySource::Average;
    if (effect == Effect::Dither) return GreySource::Blue;
    return GreySource::Luma;
}

bool PictureTuning::hasNeutralTone() const
{
    return brightness == 0 && contrast == 0 && gamma == 1.0 && !invert && !compensateDotGain;
}

bool PictureTuning::isValid() const
{
    return std::ranges::find(AllGreySources, grey) != std::end(AllGreySources) &&
           BrightnessRange.contains(brightness) && ContrastRange.contains(contrast) &&
           GammaRange.contains(gamma) && ThresholdRange.contains(threshold) &&
           isRightPanelEffect(method) && DotDiameterRange.contains(dotDiameter);
}

std::vector<std::pair<QString, QString>> pictureTuningValues(const PictureTuning &tuning)
{
    std::vector<std::pair<QString, QString>> values;
    forEachValue(tuning, [&values](const auto &setting, const auto &value) {
        values.emplace_back(setting.keyName(), setting.toText(value));
    });
    return values;
}

PictureTuning pictureTuningFromValues(
    const std::function<std::optional<QString>(const QString &key)> &valueOf)
{
    return tuningFrom(
        [&valueOf](const auto &setting) { return setting.fromText(valueOf(setting.keyName())); });
}

QStringList pictureTuningToLines(const PictureTuning &tuning)
{
    return platform::keyValueLines(pictureTuningValues(tuning));
}

PictureTuning pictureTuningFromLines(const QStringList &lines)
{
    return pictureTuningFromValues(
        [&lines](const QString &key) { return platform::valueInLines(lines, key); });
}

std::optional<GreySource> greySourceSetting(const QString &text)
{
    return greySourceFromName(text.trimmed().toLower());
}

std::optional<Effect> methodSetting(const QString &text)
{
    const std::optional<Effect> effect = effectFromName(text.trimmed().toLower());
    if (effect && isRightPanelEffect(*effect)) return effect;
    return std::nullopt;
}

PictureTuning loadPictureTuning(const settings::ProfileFile &file)
{
    return tuningFrom([&file](const auto &setting) { return setting.read(file); });
}

bool savePictureTuning(settings::ProfileFile &file, const PictureTuning &tuning)
{
    QList<settings::ProfileFile::Setting> settings;
    forEachValue(tuning, [&settings](const auto &setting, const auto &value) {
        settings.append(setting.setting(value));
    });
    return file.write(settings);
}

}  // namespace tavro::render
