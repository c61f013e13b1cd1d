#include "job/render_options.h"

#include "job/effect_board.h"
#include "job/raster_constants.h"
#include "job/whole_option.h"
#include "job/work_snapshot.h"
#include "platform/file_name.h"
#include "platform/picture_loader.h"

#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace tavro::job {
namespace {

QString effectNames()
{
    QStringList names;
    for (const Effect effect : AllEffects) names << effectName(effect);
    return names.join(u", "_s);
}

QString quoted(const QString &text)
{
    return u'\'' + text + u'\'';
}

QString readDecimal(const QCommandLineParser &parser, const QString &option,
                    TuningRange<double> range, double &value)
{
    if (!parser.isSet(option)) return {};
    bool ok = false;
    const double parsed = parser.value(option).trimmed().toDouble(&ok);
    if (!ok || !range.contains(parsed))
        return u"--%1 must be a number from %2 to %3, not %4"_s.arg(
            option, QString::number(range.min, 'f', 1), QString::number(range.max, 'f', 1),
            quoted(parser.value(option)));
    value = parsed;
    return {};
}

}  // namespace

void addRenderOptions(QCommandLineParser &parser)
{
    parser.addOption({u"effect"_s,
                      u"The rendering: bw or dither as the effect chooser has always shown "
                      u"them, or threshold, fs, atkinson, jjn, stucki, sierra or bayer."_s,
                      u"name"_s});
    parser.addOption({u"grey"_s,
                      u"The grey level read from colours. Default: the average for bw, the "
                      u"blue channel for dither, luma for the others."_s,
                      u"blue|average|luma"_s});
    parser.addOption({u"brightness"_s, u"Brightness, -100 to 100 (default 0)."_s, u"B"_s});
    parser.addOption({u"contrast"_s, u"Contrast, -100 to 100 (default 0)."_s, u"C"_s});
    parser.addOption({u"gamma"_s, u"Gamma, 0.2 to 5.0 (default 1.0)."_s, u"G"_s});
    parser.addOption({u"invert"_s, u"Swap light and dark."_s});
    parser.addOption({u"threshold"_s,
                      u"For bw and threshold: levels below it burn, 1 to 255 (default 128)."_s,
                      u"T"_s});
    parser.addOption({u"dot-gain"_s,
                      u"Compensate dot gain: lighten greys so that burnt dots D dots wide, "
                      u"0.5 to 3.0, come out as dark as the picture asks."_s,
                      u"D"_s});
}

QString readRenderOptions(const QCommandLineParser &parser, RenderChoice &choice)
{
    if (parser.isSet(u"effect"_s)) {
        const std::optional<Effect> effect = effectFromName(parser.value(u"effect"_s));
        if (!effect) return u"--effect must be one of %1"_s.arg(effectNames());
        choice.effect = *effect;
    }
    PictureTuning &tuning = choice.tuning;
    if (parser.isSet(u"grey"_s)) {
        const QString name = parser.value(u"grey"_s);
        const std::optional<GreySource> grey = greySourceFromName(name);
        if (!grey || *grey == GreySource::Auto)
            return u"--grey must be blue, average or luma, not %1"_s.arg(quoted(name));
        tuning.grey = *grey;
    }
    for (QString error :
         {readWholeOption(parser, u"brightness"_s, BrightnessRange.min, BrightnessRange.max,
                          tuning.brightness),
          readWholeOption(parser, u"contrast"_s, ContrastRange.min, ContrastRange.max,
                          tuning.contrast),
          readDecimal(parser, u"gamma"_s, GammaRange, tuning.gamma),
          readWholeOption(parser, u"threshold"_s, ThresholdRange.min, ThresholdRange.max,
                          tuning.threshold),
          readDecimal(parser, u"dot-gain"_s, DotDiameterRange, tuning.dotDiameter)}) {
        if (!error.isEmpty()) return error;
    }
    // What a preset set stays unless given here.
    if (parser.isSet(u"invert"_s)) tuning.invert = true;
    if (parser.isSet(u"dot-gain"_s)) tuning.compensateDotGain = true;
    return {};
}

RenderedBoard renderPictureFile(const QString &path, const RenderChoice &choice)
{
    const platform::LoadedPicture picture =
        platform::loadPicture(path, {.drawSize = ProcessingSize});
    RenderedBoard out;
    if (!picture.isReadable())
        out.error = u"%1: %2"_s.arg(platform::displayFileName(picture.name), picture.error);
    out.board = renderEffectBoard(makeWorkSnapshot(picture), choice.effect, choice.tuning);
    return out;
}

}  // namespace tavro::job
