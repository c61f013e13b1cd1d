// The settings document keeps in Config.ini: the text font and the board's scale on the work
// piece. Job files keep the font under the same keys and read them by the same rules.
#pragma once

#include "document/placement.h"
#include "document/text_font.h"
#include "settings/setting.h"

#include <optional>

namespace tavro::document {

inline constexpr QStringView FontSection = u"Front";

// The leading decimal digits, blanks before them skipped; 0 when there are none.
std::optional<int> leadingInteger(const QString &text);
// Six significant digits.
QString dotsPerMillimetreText(double dotsPerMillimetre);

inline const settings::Setting<QString> FontName{
    .section = FontSection, .key = u"Name", .defaultValue = TextFontSettings{}.name};
inline const settings::Setting<int> FontSize{.section = FontSection,
                                             .key = u"Size",
                                             .defaultValue = TextFontSettings{}.size,
                                             .parse = &leadingInteger};
inline constexpr settings::Setting<bool> FontBold{.section = FontSection,
                                                  .key = u"Bold",
                                                  .parse = &settings::oneMeansTrue,
                                                  .format = &fontFlagText};
inline constexpr settings::Setting<bool> FontItalic{.section = FontSection,
                                                    .key = u"Tilt",
                                                    .parse = &settings::oneMeansTrue,
                                                    .format = &fontFlagText};
inline constexpr settings::Setting<bool> FontStrikeOut{.section = FontSection,
                                                       .key = u"Strikethrough",
                                                       .parse = &settings::oneMeansTrue,
                                                       .format = &fontFlagText};
inline constexpr settings::Setting<bool> FontUnderline{.section = FontSection,
                                                       .key = u"Underline",
                                                       .parse = &settings::oneMeansTrue,
                                                       .format = &fontFlagText};

inline constexpr settings::Setting<double> DotsPerMillimetre{
    .section = u"MachineSize",
    .key = u"DotsPerMillimetre",
    .defaultValue = DefaultDotsPerMillimetre,
    .bounds = DotsPerMillimetreRange,
    .format = &dotsPerMillimetreText};

}  // namespace tavro::document
