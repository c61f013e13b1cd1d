// The one line the command-line tools print for wrong arguments.
#pragma once

#include <QString>

namespace tavro::cli {

// "tool: reason; see --help", without the full stop Qt's parser ends its reasons with.
QString usageErrorLine(const QString &tool, const QString &reason);

}  // namespace tavro::cli
