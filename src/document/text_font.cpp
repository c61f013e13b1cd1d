#include "document/text_font.h"

#include "document/document_settings.h"
#include "platform/key_value_lines.h"
#include "settings/profile_file.h"

#include <QFontInfo>
#include <QRegularExpression>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace tavro::document {
namespace {

// The installed face that draws a name, through the same mapping as the board's text.
QString shownFace(const QString &name)
{
    return QFontInfo(QFont(name)).family();
}

// One reader for the settings file and job files: `read(setting)` gives a setting's value.
template <typename Read>
TextFontSettings fontSettingsFrom(const Read &read)
{
    TextFontSettings s;
    s.name = read(FontName);
    s.size = read(FontSize);
    s.bold = read(FontBold);
    s.italic = read(FontItalic);
    s.strikeOut = read(FontStrikeOut);
    s.underline = read(FontUnderline);
    return s;
}

// Calls `each(setting, value)` for the six values, in the order they are written.
template <typename Each>
void forEachValue(const TextFontSettings &font, const Each &each)
{
    each(FontName, font.name);
    each(FontSize, font.size);
    each(FontBold, font.bold);
    each(FontItalic, font.italic);
    each(FontStrikeOut, font.strikeOut);
    each(FontUnderline, font.underline);
}

}  // namespace

QFont TextFontSettings::toFont() const
{
    QFont font(name);
    // A font of 0 points or less cannot be drawn; keep the smallest that can.
    font.setPixelSize(std::max(1, int(std::lround(size * 96.0 / 72.0))));
    font.setBold(bold);
    font.setItalic(italic);
    font.setStrikeOut(strikeOut);
    font.setUnderline(underline);
    // The board holds exactly what is burnt: whole black pixels, no grey edges.
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

QFont TextFontSettings::toDialogFont() const
{
    QFont font(shownFace(name));
    font.setPointSize(std::max(1, size));
    font.setBold(bold);
    font.setItalic(italic);
    font.setStrikeOut(strikeOut);
    font.setUnderline(underline);
    return font;
}

TextFontSettings TextFontSettings::fromDialogFont(const QFont &chosen) const
{
    TextFontSettings s = fromFont(chosen);
    if (chosen.family() == shownFace(name)) s.name = name;
    return s;
}

TextFontSettings TextFontSettings::fromFont(const QFont &font)
{
    TextFontSettings s;
    s.name = font.family();
    s.size =
        font.pointSize() > 0 ? font.pointSize() : int(std::lround(font.pixelSize() * 72.0 / 96.0));
    s.bold = font.weight() >= QFont::Bold;
    s.italic = font.italic();
    s.strikeOut = font.strikeOut();
    s.underline = font.underline();
    return s;
}

std::optional<int> leadingInteger(const QString &text)
{
    static const QRegularExpression digits(u"^\\s*([+-]?\\d{1,9})"_s);
    const QRegularExpressionMatch match = digits.match(text);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

TextFontSettings loadFontSettings(const settings::ProfileFile &file)
{
    return fontSettingsFrom([&file](const auto &setting) { return setting.read(file); });
}

void saveFontSettings(settings::ProfileFile &file, const TextFontSettings &font)
{
    // One write: the six values are kept together or not at all.
    QList<settings::ProfileFile::Setting> settings;
    forEachValue(font, [&settings](const auto &setting, const auto &value) {
        settings.append(setting.setting(value));
    });
    file.write(settings);
}

QString fontFlagText(bool flag)
{
    return flag ? u"1"_s : u"0"_s;
}

QStringList fontSettingsToLines(const TextFontSettings &font)
{
    std::vector<std::pair<QString, QString>> values;
    forEachValue(font, [&values](const auto &setting, const auto &value) {
        values.emplace_back(setting.keyName(), setting.toText(value));
    });
    return platform::keyValueLines(values);
}

TextFontSettings fontSettingsFromLines(const QStringList &lines)
{
    return fontSettingsFrom([&lines](const auto &setting) {
        return setting.fromText(platform::valueInLines(lines, setting.keyName()));
    });
}

}  // namespace tavro::document
