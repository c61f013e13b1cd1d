// A whole-number option of the command-line tools, read with its range.
#pragma once

#include "platform/outcome.h"

#include <QString>

class QCommandLineParser;

namespace tavro::cli {

// Done when the option is absent or a whole number from min to max, which then goes to
// `value`; otherwise why not, naming the option, the value given and the range.
platform::Outcome readWholeOption(const QCommandLineParser &parser, const QString &name, int min,
                                  int max, int &value);

}  // namespace tavro::cli
