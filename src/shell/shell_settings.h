// The settings the program's windows keep in Config.ini: the interface language and the files
// opened last.
#pragma once

#include "settings/setting.h"
#include "shell/captions.h"
#include "ui/number_text.h"

#include <optional>

namespace tavro::shell {

// The whole part of a leading number ("2.7" is 2); a text without one is 0.
inline std::optional<int> languageIndex(const QString &text)
{
    return ui::integerPart(ui::leadingNumber(text));
}

// An index of the language box; -1 for none.
inline constexpr settings::Setting<int> Language{.section = u"MainWindow",
                                                 .key = u"Language",
                                                 .defaultValue = 0,
                                                 .bounds = {{-1, LanguageCount - 1}},
                                                 .outOfBounds = settings::OutOfBounds::Clamped,
                                                 .parse = &languageIndex};

// File1 (the newest) to File10: absolute paths, empty for none.
inline const settings::Setting<QString> RecentFile{.section = u"RecentFiles", .key = u"File"};

}  // namespace tavro::shell
