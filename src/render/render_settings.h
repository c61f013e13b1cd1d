// The settings render keeps in Config.ini: the last picture tuning, one key a value. Job files
// and material presets keep a tuning under the same keys and read them by the same rules.
#pragma once

#include "render/picture_tuning.h"
#include "settings/setting.h"

#include <optional>

namespace tavro::render {

inline constexpr QStringView PictureTuningSection = u"PictureTuning";

// A source's or a method's name, without regard to case; only the right panel's methods.
std::optional<GreySource> greySourceSetting(const QString &text);
std::optional<Effect> methodSetting(const QString &text);

inline constexpr settings::Setting<GreySource> TuningGrey{.section = PictureTuningSection,
                                                          .key = u"Grey",
                                                          .defaultValue = PictureTuning{}.grey,
                                                          .parse = &greySourceSetting,
                                                          .format = &greySourceName};
inline constexpr settings::Setting<int> TuningBrightness{.section = PictureTuningSection,
                                                         .key = u"Brightness",
                                                         .defaultValue = PictureTuning{}.brightness,
                                                         .bounds = BrightnessRange};
inline constexpr settings::Setting<int> TuningContrast{.section = PictureTuningSection,
                                                       .key = u"Contrast",
                                                       .defaultValue = PictureTuning{}.contrast,
                                                       .bounds = ContrastRange};
inline constexpr settings::Setting<double> TuningGamma{.section = PictureTuningSection,
                                                       .key = u"Gamma",
                                                       .defaultValue = PictureTuning{}.gamma,
                                                       .bounds = GammaRange};
inline constexpr settings::Setting<bool> TuningInvert{
    .section = PictureTuningSection, .key = u"Invert", .defaultValue = PictureTuning{}.invert};
inline constexpr settings::Setting<int> TuningThreshold{.section = PictureTuningSection,
                                                        .key = u"Threshold",
                                                        .defaultValue = PictureTuning{}.threshold,
                                                        .bounds = ThresholdRange};
inline constexpr settings::Setting<Effect> TuningMethod{.section = PictureTuningSection,
                                                        .key = u"Method",
                                                        .defaultValue = PictureTuning{}.method,
                                                        .parse = &methodSetting,
                                                        .format = &effectName};
inline constexpr settings::Setting<bool> TuningDotGain{
    .section = PictureTuningSection,
    .key = u"DotGain",
    .defaultValue = PictureTuning{}.compensateDotGain};
inline constexpr settings::Setting<double> TuningDotDiameter{
    .section = PictureTuningSection,
    .key = u"DotDiameter",
    .defaultValue = PictureTuning{}.dotDiameter,
    .bounds = DotDiameterRange};

}  // namespace tavro::render
