// --preset NAME for the command-line tools: a material preset's method, tuning and burn time.
#pragma once

#include "common/render_options.h"

#include <QCommandLineParser>

namespace tavro::cli {

void addPresetOption(QCommandLineParser &parser);
// Read before the other render options, which win over what the preset sets. The preset's
// method becomes the effect and its burn time `burnTime` (when given). Done when the option is
// absent or the preset was found in the settings folder; otherwise why not: the presets there
// are, or why they could not be read.
platform::Outcome readPresetOption(const QCommandLineParser &parser, const QString &settingsFolder,
                                   RenderChoice &choice, int *burnTime = nullptr);

}  // namespace tavro::cli
