// The burn time of a dot: the machine's range and the value it starts with.
#pragma once

#include "render/picture_tuning.h"

namespace tavro::document {

inline constexpr render::TuningRange<int> BurnTimeRange{1, 100};
inline constexpr int DefaultBurnTime = 40;

}  // namespace tavro::document
