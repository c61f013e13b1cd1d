#include "common/usage_error.h"

using namespace Qt::Literals::StringLiterals;

namespace tavro::cli {

QString usageErrorLine(const QString &tool, const QString &reason)
{
    QString said = reason.trimmed();
    if (said.endsWith(u'.')) said.chop(1);
    return tool + u": "_s + said + u"; see --help"_s;
}

}  // namespace tavro::cli
