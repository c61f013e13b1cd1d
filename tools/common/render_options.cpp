#include "common/render_options.h"

#include "common/whole_option.h"
#include "document/placed_rendering.h"
#include "pictures/picture_loader.h"
#include "platform/file_name.h"
#include "render/effect_board.h"
#include "render/raster_constants.h"
#include "render/work_snapshot.h"
#include "settings/profile_file.h"
#include "settings/settings_folder.h"

#include <cmath>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace tavro::cli {
namespace {

QString effectNames()
{
    QStringList names;
    for (const render::Effect effect : render::AllEffects) names << render::effectName(effect);
    return names.join(u", "_s);
}

QString quoted(const QString &text)
{
    return u'\'' + text + u'\'';
}

// Millimetres: any finite number, a size above 0.
platform::Outcome readMillimetres(const QCommandLineParser &parser, const QString &option,
                                  bool size, std::optional<double> &value)
{
    if (!parser.isSet(option)) return platform::Outcome::done();
    bool ok = false;
    const double parsed = parser.value(option).trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(parsed) || (size && parsed <= 0))
        return platform::Outcome::failed(
            (size ? u"--%1 must be a number of millimetres above 0, not %2"_s
                  : u"--%1 must be a number of millimetres, not %2"_s)
                .arg(option, quoted(parser.value(option))));
    value = parsed;
    return platform::Outcome::done();
}

platform::Outcome readPlacementOptions(const QCommandLineParser &parser,
                                       document::PlacementRequest &request)
{
    if (parser.isSet(u"width-mm"_s) && parser.isSet(u"height-mm"_s))
        return platform::Outcome::failed(
            u"give --width-mm or --height-mm, not both: the other follows the picture"_s);
    if (platform::Outcome read = readMillimetreOptions(parser, request); !read) return read;
    if (parser.isSet(u"mirror"_s)) {
        const QString mirror = parser.value(u"mirror"_s);
        if (mirror != u"h"_s && mirror != u"v"_s && mirror != u"hv"_s && mirror != u"vh"_s)
            return platform::Outcome::failed(
                u"--mirror must be h, v or hv, not %1"_s.arg(quoted(mirror)));
        request.mirrorH = mirror.contains(u'h');
        request.mirrorV = mirror.contains(u'v');
    }
    return platform::Outcome::done();
}

}  // namespace

platform::Outcome readMillimetreOptions(const QCommandLineParser &parser,
                                        document::PlacementRequest &request)
{
    for (const platform::Outcome &read :
         {readMillimetres(parser, u"width-mm"_s, true, request.widthMm),
          readMillimetres(parser, u"height-mm"_s, true, request.heightMm),
          readMillimetres(parser, u"left-mm"_s, false, request.leftMm),
          readMillimetres(parser, u"top-mm"_s, false, request.topMm)}) {
        if (!read) return read;
    }
    return platform::Outcome::done();
}

bool RenderChoice::asksPlacement() const
{
    return placement.widthMm || placement.heightMm || placement.leftMm || placement.topMm ||
           placement.mirrorH || placement.mirrorV;
}

double storedDotsPerMillimetre(const QString &settingsFolder)
{
    return document::loadDotsPerMillimetre(
        settings::ProfileFile(settings::settingsFilePath(settingsFolder)));
}

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
    parser.addOption({u"width-mm"_s,
                      u"The picture's width on the work piece; its height follows. The scale is "
                      u"the one set in the program's Machine Size (13.4 dots a millimetre unless "
                      u"changed there)."_s,
                      u"W"_s});
    parser.addOption({u"height-mm"_s, u"The picture's height; its width follows."_s, u"H"_s});
    parser.addOption({u"left-mm"_s,
                      u"The picture's left edge from the board's left edge (default: the picture "
                      u"stays centred where it was)."_s,
                      u"X"_s});
    parser.addOption({u"top-mm"_s, u"The picture's top edge from the board's top edge."_s, u"Y"_s});
    parser.addOption({u"mirror"_s,
                      u"Mirror the picture: h left to right, v top to bottom, hv both."_s,
                      u"h|v|hv"_s});
}

platform::Outcome readDecimalOption(const QCommandLineParser &parser, const QString &option,
                                    render::TuningRange<double> range, double &value)
{
    if (!parser.isSet(option)) return platform::Outcome::done();
    bool ok = false;
    const double parsed = parser.value(option).trimmed().toDouble(&ok);
    if (!ok || !range.contains(parsed))
        return platform::Outcome::failed(u"--%1 must be a number from %2 to %3, not %4"_s.arg(
            option, QString::number(range.min, 'f', 1), QString::number(range.max, 'f', 1),
            quoted(parser.value(option))));
    value = parsed;
    return platform::Outcome::done();
}

platform::Outcome readRenderOptions(const QCommandLineParser &parser, RenderChoice &choice)
{
    if (parser.isSet(u"effect"_s)) {
        const std::optional<render::Effect> effect =
            render::effectFromName(parser.value(u"effect"_s));
        if (!effect)
            return platform::Outcome::failed(u"--effect must be one of %1"_s.arg(effectNames()));
        choice.effect = *effect;
    }
    render::PictureTuning &tuning = choice.tuning;
    if (parser.isSet(u"grey"_s)) {
        const QString name = parser.value(u"grey"_s);
        const std::optional<render::GreySource> grey = render::greySourceFromName(name);
        if (!grey || *grey == render::GreySource::Auto)
            return platform::Outcome::failed(
                u"--grey must be blue, average or luma, not %1"_s.arg(quoted(name)));
        tuning.grey = *grey;
    }
    for (const platform::Outcome &read :
         {readWholeOption(parser, u"brightness"_s, render::BrightnessRange.min,
                          render::BrightnessRange.max, tuning.brightness),
          readWholeOption(parser, u"contrast"_s, render::ContrastRange.min,
                          render::ContrastRange.max, tuning.contrast),
          readDecimalOption(parser, u"gamma"_s, render::GammaRange, tuning.gamma),
          readWholeOption(parser, u"threshold"_s, render::ThresholdRange.min,
                          render::ThresholdRange.max, tuning.threshold),
          readDecimalOption(parser, u"dot-gain"_s, render::DotDiameterRange, tuning.dotDiameter)}) {
        if (!read) return read;
    }
    // What a preset set stays unless given here.
    if (parser.isSet(u"invert"_s)) tuning.invert = true;
    if (parser.isSet(u"dot-gain"_s)) tuning.compensateDotGain = true;
    return readPlacementOptions(parser, choice.placement);
}

RenderedBoard renderPictureFile(const QString &path, const RenderChoice &choice)
{
    const pictures::LoadedPicture picture =
        pictures::loadPicture(path, {.drawSize = render::ProcessingSize});
    RenderedBoard out;
    if (!picture.isReadable())
        out.error = u"%1: %2"_s.arg(platform::displayFileName(picture.name), picture.error);
    const QImage snapshot = render::makeWorkSnapshot(picture);
    document::PlacedRendering rendering{
        picture.isVector ? document::ChosenPicture::ofVector(path, picture.size, snapshot)
                         : document::ChosenPicture(path, picture.size, snapshot),
        choice.effect, choice.tuning,
        document::placementAtOwnSize(picture.size, picture.sizeMm, choice.dotsPerMillimetre)};
    if (picture.isReadable() && choice.asksPlacement()) {
        const platform::Result<document::Placement> placed = document::applyPlacementRequest(
            rendering.placement, picture.size, choice.placement, choice.dotsPerMillimetre);
        if (!placed) {
            out.error = placed.why();
            out.placementRefused = true;
            out.board = render::blankBoard();
            return out;
        }
        rendering.placement = *placed;
    }
    const platform::Result<QImage> rendered = document::renderPlaced(rendering);
    out.board = rendered ? *rendered : render::blankBoard();
    if (out.error.isEmpty()) out.error = rendered.why();
    return out;
}

}  // namespace tavro::cli
