// "Key=Value" lines, the form in which a job file keeps groups of settings.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <utility>
#include <vector>

namespace tavro::platform {

QStringList keyValueLines(const std::vector<std::pair<QString, QString>> &values);

// The value of the first line whose key matches without regard to case; blanks around
// keys and values are skipped, lines without '=' are ignored. Nullopt when no line has it.
std::optional<QString> valueInLines(const QStringList &lines, QStringView key);

}  // namespace tavro::platform
