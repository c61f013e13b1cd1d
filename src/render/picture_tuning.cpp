#include "render/picture_tuning.h"

#include "platform/key_value_lines.h"
#include "platform/profile_file.h"

#include <QLocale>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace tavro::render {
namespace {

const QString GreyKey = u"Grey"_s;
const QString BrightnessKey = u"Brightness"_s;
const QString ContrastKey = u"Contrast"_s;
const QString GammaKey = u"Gamma"_s;
const QString InvertKey = u"Invert"_s;
const QString ThresholdKey = u"Threshold"_s;
const QString MethodKey = u"Method"_s;
const QString DotGainKey = u"DotGain"_s;
const QString DotDiameterKey = u"DotDiameter"_s;

constexpr GreySource AllGreySources[] = {GreySource::Auto, GreySource::Blue, GreySource::Average,
                                         GreySource::Luma};

bool isRightPanelEffect(Effect effect)
{
    return std::ranges::find(RightPanelEffects, effect) != RightPanelEffects.end();
}

// Each reader leaves `value` alone unless the text is a usable value.
void readInt(const std::optional<QString> &text, TuningRange<int> range, int &value)
{
    if (!text) return;
    bool ok = false;
    const int parsed = text->trimmed().toInt(&ok);
    if (ok && range.contains(parsed)) value = parsed;
}

void readDouble(const std::optional<QString> &text, TuningRange<double> range, double &value)
{
    if (!text) return;
    bool ok = false;
    const double parsed = text->trimmed().toDouble(&ok);
    if (ok && range.contains(parsed)) value = parsed;
}

QString shortest(double value)
{
    // The shortest text that reads back as the same double.
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

void readFlag(const std::optional<QString> &text, bool &value)
{
    if (!text) return;
    const QString flag = text->trimmed();
    if (flag == u"0"_s || flag == u"1"_s) value = flag == u"1"_s;
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
    return {
        {GreyKey, greySourceName(tuning.grey)},
        {BrightnessKey, QString::number(tuning.brightness)},
        {ContrastKey, QString::number(tuning.contrast)},
        {GammaKey, shortest(tuning.gamma)},
        {InvertKey, tuning.invert ? u"1"_s : u"0"_s},
        {ThresholdKey, QString::number(tuning.threshold)},
        {MethodKey, effectName(tuning.method)},
        {DotGainKey, tuning.compensateDotGain ? u"1"_s : u"0"_s},
        {DotDiameterKey, shortest(tuning.dotDiameter)},
    };
}

PictureTuning pictureTuningFromValues(
    const std::function<std::optional<QString>(const QString &key)> &valueOf)
{
    PictureTuning tuning;
    if (const std::optional<QString> grey = valueOf(GreyKey)) {
        if (const auto source = greySourceFromName(grey->trimmed().toLower()))
            tuning.grey = *source;
    }
    readInt(valueOf(BrightnessKey), BrightnessRange, tuning.brightness);
    readInt(valueOf(ContrastKey), ContrastRange, tuning.contrast);
    readDouble(valueOf(GammaKey), GammaRange, tuning.gamma);
    readFlag(valueOf(InvertKey), tuning.invert);
    readInt(valueOf(ThresholdKey), ThresholdRange, tuning.threshold);
    if (const std::optional<QString> method = valueOf(MethodKey)) {
        const auto effect = effectFromName(method->trimmed().toLower());
        if (effect && isRightPanelEffect(*effect)) tuning.method = *effect;
    }
    readFlag(valueOf(DotGainKey), tuning.compensateDotGain);
    readDouble(valueOf(DotDiameterKey), DotDiameterRange, tuning.dotDiameter);
    return tuning;
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

PictureTuning loadPictureTuning(const platform::ProfileFile &file)
{
    const QString section = PictureTuningSection.toString();
    return pictureTuningFromValues([&file, &section](const QString &key) -> std::optional<QString> {
        // An empty value is no value of any key, so it can stand for a missing one.
        QString value = file.read(section, key, QString());
        if (value.isEmpty()) return std::nullopt;
        return value;
    });
}

bool savePictureTuning(platform::ProfileFile &file, const PictureTuning &tuning)
{
    QList<platform::ProfileFile::Setting> settings;
    for (const auto &[key, value] : pictureTuningValues(tuning))
        settings.append({PictureTuningSection.toString(), key, value});
    return file.write(settings);
}

}  // namespace tavro::render
