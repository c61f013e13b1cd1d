// The settings materials keeps in Config.ini: the test card burnt or begun last.
#pragma once

#include "settings/setting.h"

namespace tavro::materials {

// The card's plan, one key for each of TestCard::toLines(), and whether it was burnt to the end.
inline constexpr QStringView TestCardSection = u"TestCard";
inline constexpr settings::Setting<bool> TestCardFinished{
    .section = TestCardSection, .key = u"Finished", .parse = &settings::oneMeansTrue};

}  // namespace tavro::materials
