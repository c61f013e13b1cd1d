#include "ui/number_text.h"

#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace tavro::ui {

double leadingNumber(const QString &text)
{
    static const QRegularExpression number(
        QStringLiteral(R"(^\s*([+-]?(?:\d+\.?\d*|\.\d+)(?:[eE][+-]?\d+)?))"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch()) return 0.0;
    bool ok = false;
    const double value = match.captured(1).toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

int integerPart(double value)
{
    if (!std::isfinite(value)) return 0;
    const double whole = std::floor(value + 1e-12);
    // Beyond int's range nothing in the settings makes sense; clamp instead of overflowing.
    if (whole >= double(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
    if (whole <= double(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
    return static_cast<int>(whole);
}

}  // namespace tavro::ui
