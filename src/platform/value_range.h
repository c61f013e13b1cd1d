// The values from min to max, both included: what a setting or a control may hold.
#pragma once

namespace tavro::platform {

template <typename T>
struct ValueRange {
    T min;
    T max;
    // False for NaN too.
    constexpr bool contains(T value) const { return value >= min && value <= max; }
};

}  // namespace tavro::platform
