#include "link/message_log.h"

using namespace Qt::Literals::StringLiterals;

namespace tavro::link {

void MessageLog::logLine(const QString &text)
{
    logText(text + u"\r\n"_s);
}

}  // namespace tavro::link
