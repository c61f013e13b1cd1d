#include "platform/key_value_lines.h"

namespace tavro::platform {

QStringList keyValueLines(const std::vector<std::pair<QString, QString>> &values)
{
    QStringList lines;
    for (const auto &[key, value] : values) lines << key + u'=' + value;
    return lines;
}

std::optional<QString> valueInLines(const QStringList &lines, QStringView key)
{
    for (const QString &line : lines) {
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0) continue;
        if (line.first(equals).trimmed().compare(key, Qt::CaseInsensitive) == 0)
            return line.sliced(equals + 1).trimmed();
    }
    return std::nullopt;
}

}  // namespace tavro::platform
