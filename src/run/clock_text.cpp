#include "run/clock_text.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace tavro::run {

QString clockText(std::chrono::milliseconds time)
{
    const qint64 seconds = std::max<qint64>(0, (time.count() + 500) / 1000);
    return u"%1:%2"_s.arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

}  // namespace tavro::run
