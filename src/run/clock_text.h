// A duration as the operator reads it: minutes and seconds, "m:ss".
#pragma once

#include <QString>

#include <chrono>

namespace tavro::run {

// To the nearest second; minutes go past 59 ("75:03"); nothing below "0:00".
QString clockText(std::chrono::milliseconds time);

}  // namespace tavro::run
