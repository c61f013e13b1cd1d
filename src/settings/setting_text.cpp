#include "settings/setting_text.h"

#include <QLocale>

using namespace Qt::Literals::StringLiterals;

namespace tavro::settings {

std::optional<int> SettingText<int>::parse(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

QString SettingText<int>::format(int value)
{
    return QString::number(value);
}

std::optional<double> SettingText<double>::parse(const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

QString SettingText<double>::format(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

std::optional<bool> SettingText<bool>::parse(const QString &text)
{
    const QString flag = text.trimmed();
    if (flag == u"1"_s) return true;
    if (flag == u"0"_s) return false;
    return std::nullopt;
}

QString SettingText<bool>::format(bool value)
{
    return value ? u"1"_s : u"0"_s;
}

std::optional<bool> oneMeansTrue(const QString &text)
{
    return text == u"1"_s;
}

}  // namespace tavro::settings
