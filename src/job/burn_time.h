// The burn time of a dot: the machine's range and the value it starts with.
#pragma once

#include "job/picture_tuning.h"

namespace tavro::job {

inline constexpr TuningRange<int> BurnTimeRange{1, 100};
inline constexpr int DefaultBurnTime = 40;

}  // namespace tavro::job
