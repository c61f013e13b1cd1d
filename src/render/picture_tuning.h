// The operator's tuning of a picture before it is rendered: grey source, tone and method choices.
#pragma once

#include "platform/value_range.h"
#include "render/effect.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace tavro::settings {
class ProfileFile;
}  // namespace tavro::settings

namespace tavro::render {

// Which grey level of a colour the renderings read. Auto is each effect's own:
// the RGB average for BlackWhite, the blue channel for Dither (as they have always
// read colours), luma for every other effect.
enum class GreySource { Auto, Blue, Average, Luma };

// "auto", "blue", "average", "luma".
QString greySourceName(GreySource source);
std::optional<GreySource> greySourceFromName(QStringView name);
// What Auto stands for with this effect; any other source is returned as it is.
GreySource resolveGreySource(GreySource source, Effect effect);

template <typename T>
using TuningRange = platform::ValueRange<T>;

inline constexpr TuningRange<int> BrightnessRange{-100, 100};
inline constexpr TuningRange<int> ContrastRange{-100, 100};
inline constexpr TuningRange<double> GammaRange{0.2, 5.0};
inline constexpr TuningRange<int> ThresholdRange{1, 255};
// In dots of the board. A disc wider than 3 would reach past a dot's neighbours.
inline constexpr TuningRange<double> DotDiameterRange{0.5, 3.0};
inline constexpr double DefaultDotDiameter = 1.3;

// Defaults are neutral: with them BlackWhite and Dither are the original renderings.
struct PictureTuning {
    GreySource grey = GreySource::Auto;
    int brightness = 0;  // added as 2.55 levels a step
    int contrast = 0;    // percent more or less spread around level 128
    double gamma = 1.0;
    bool invert = false;
    int threshold = 128;             // BlackWhite and Threshold: black below it
    Effect method = Effect::Dither;  // the chooser's right panel
    // Lighten greys so that dots of this diameter burn them as dark as asked (dot_gain.h).
    bool compensateDotGain = false;
    double dotDiameter = DefaultDotDiameter;

    // Brightness, contrast, gamma and invert change no level, and no dot gain is compensated.
    bool hasNeutralTone() const;
    // Every value inside its range and the method one of RightPanelEffects.
    bool isValid() const;

    friend bool operator==(const PictureTuning &, const PictureTuning &) = default;
};

// The settings as (key, value) texts, in a fixed order: Grey, Brightness, Contrast,
// Gamma, Invert, Threshold, Method, DotGain, DotDiameter. Numbers in the C locale, Invert and
// DotGain as 0 or 1.
std::vector<std::pair<QString, QString>> pictureTuningValues(const PictureTuning &tuning);

// Builds settings from stored texts: `valueOf(key)` gives a key's text, nullopt when it
// is missing. A missing key, or a text that does not parse or lies outside its range,
// gives that key's default; nothing is ever an error.
PictureTuning pictureTuningFromValues(
    const std::function<std::optional<QString>(const QString &key)> &valueOf);

// The same as "Key=Value" lines, for a job file.
QStringList pictureTuningToLines(const PictureTuning &tuning);
// Keys are matched without regard to case, blanks around keys and values are
// skipped, lines without '=' and unknown keys are ignored; the first of duplicates counts.
PictureTuning pictureTuningFromLines(const QStringList &lines);

// Config.ini keeps the last choices in a section of their own (render_settings.h).
PictureTuning loadPictureTuning(const settings::ProfileFile &file);
// Writes every key in one write; false, with none of them written, when it failed.
bool savePictureTuning(settings::ProfileFile &file, const PictureTuning &tuning);

}  // namespace tavro::render
