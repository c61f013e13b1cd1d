// How a setting's value is written as text and read back, where its declaration gives no rule
// of its own.
#pragma once

#include <QString>

#include <optional>

namespace tavro::settings {

// Only these types have a rule; a setting of another type names its own.
template <typename T>
struct SettingText;

// Decimal, blanks around it allowed.
template <>
struct SettingText<int> {
    static std::optional<int> parse(const QString &text);
    static QString format(int value);
};

// In the C locale, written in the shortest form that reads back as the same number.
template <>
struct SettingText<double> {
    static std::optional<double> parse(const QString &text);
    static QString format(double value);
};

// "1" or "0", blanks around it allowed.
template <>
struct SettingText<bool> {
    static std::optional<bool> parse(const QString &text);
    static QString format(bool value);
};

// The older flags' rule: exactly "1" is true, any other text false.
std::optional<bool> oneMeansTrue(const QString &text);

// As it is stored, empty included.
template <>
struct SettingText<QString> {
    static std::optional<QString> parse(const QString &text) { return text; }
    static QString format(QString value) { return value; }
};

}  // namespace tavro::settings
