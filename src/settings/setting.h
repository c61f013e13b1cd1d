// One setting of Config.ini, declared once: its section and key, its type, its default and
// bounds, and how its text reads.
#pragma once

#include "platform/value_range.h"
#include "settings/profile_file.h"
#include "settings/setting_text.h"

#include <QString>
#include <QStringView>

#include <algorithm>
#include <optional>

namespace tavro::settings {

// What a stored value outside the bounds reads as.
enum class OutOfBounds { ReadsAsDefault, Clamped };

// Declared as an aggregate, for example
//     inline constexpr Setting<int> Threshold{.section = u"PictureTuning", .key = u"Threshold",
//                                             .defaultValue = 128, .bounds = {{1, 255}}};
// A family of keys alike (File1..File10, one per machine) shares one declaration: `key` is
// then what their names begin with, and each call names the rest.
template <typename T>
struct Setting {
    using Parse = std::optional<T> (*)(const QString &text);
    using Format = QString (*)(T value);

    QStringView section;
    QStringView key;
    T defaultValue{};
    std::optional<platform::ValueRange<T>> bounds{};
    OutOfBounds outOfBounds = OutOfBounds::ReadsAsDefault;
    // Nothing when the text is no value of the type.
    Parse parse = &SettingText<T>::parse;
    Format format = &SettingText<T>::format;

    QString keyName(QStringView rest = {}) const { return key.toString() + rest; }

    // Missing or unreadable: the default. Outside the bounds (NaN included): the default, or
    // the bound it passed when clamped.
    T fromText(const std::optional<QString> &stored) const
    {
        if (!stored) return defaultValue;
        const std::optional<T> value = parse(*stored);
        if (!value) return defaultValue;
        if (!bounds || bounds->contains(*value)) return *value;
        if (outOfBounds == OutOfBounds::Clamped && (*value < bounds->min || *value > bounds->max))
            return std::clamp(*value, bounds->min, bounds->max);
        return defaultValue;
    }
    QString toText(const T &value) const { return format(value); }

    T read(const ProfileFile &file, QStringView rest = {}) const
    {
        return fromText(file.value(section.toString(), keyName(rest)));
    }
    // As it is: a value outside the bounds is the caller's to refuse.
    bool write(ProfileFile &file, const T &value, QStringView rest = {}) const
    {
        return file.write(section.toString(), keyName(rest), toText(value));
    }
    // For a write of several keys at once.
    ProfileFile::Setting setting(const T &value, QStringView rest = {}) const
    {
        return {section.toString(), keyName(rest), toText(value)};
    }
};

}  // namespace tavro::settings
