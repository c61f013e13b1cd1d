#include "document/text_font.h"

#include "platform/key_value_lines.h"
#include "platform/profile_file.h"

#include <QFontInfo>
#include <QRegularExpression>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace tavro::document {
namespace {

const QString Section = u"Front"_s;

// The leading decimal digits; 0 when there are none.
int leadingInteger(const QString &text)
{
    static const QRegularExpression digits(u"^\\s*([+-]?\\d{1,9})"_s);
    const QRegularExpressionMatch match = digits.match(text);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

// The installed face that draws a name, through the same mapping as the board's text.
QString shownFace(const QString &name)
{
    return QFontInfo(QFont(name)).family();
}

// One reader for the settings file and job files: `valueOf(key, fallback)` gives a key's text.
template <typename ValueOf>
TextFontSettings fontSettingsFrom(const ValueOf &valueOf)
{
    const auto flag = [&valueOf](const QString &key) { return valueOf(key, u"0"_s) == u"1"_s; };
    TextFontSettings s;
    s.name = valueOf(u"Name"_s, u"Arial"_s);
    s.size = leadingInteger(valueOf(u"Size"_s, u"72"_s));
    s.bold = flag(u"Bold"_s);
    s.italic = flag(u"Tilt"_s);
    s.strikeOut = flag(u"Strikethrough"_s);
    s.underline = flag(u"Underline"_s);
    return s;
}

// In the order they are written.
std::vector<std::pair<QString, QString>> fontSettingsValues(const TextFontSettings &font)
{
    return {{u"Name"_s, font.name},
            {u"Size"_s, QString::number(font.size)},
            {u"Bold"_s, fontFlagText(font.bold)},
            {u"Tilt"_s, fontFlagText(font.italic)},
            {u"Strikethrough"_s, fontFlagText(font.strikeOut)},
            {u"Underline"_s, fontFlagText(font.underline)}};
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

TextFontSettings loadFontSettings(const platform::ProfileFile &file)
{
    return fontSettingsFrom([&file](const QString &key, const QString &fallback) {
        return file.read(Section, key, fallback);
    });
}

void saveFontSettings(platform::ProfileFile &file, const TextFontSettings &font)
{
    // One write: the six values are kept together or not at all.
    QList<platform::ProfileFile::Setting> settings;
    for (const auto &[key, value] : fontSettingsValues(font))
        settings.append({Section, key, value});
    file.write(settings);
}

QString fontFlagText(bool flag)
{
    return flag ? u"1"_s : u"0"_s;
}

QStringList fontSettingsToLines(const TextFontSettings &font)
{
    return platform::keyValueLines(fontSettingsValues(font));
}

TextFontSettings fontSettingsFromLines(const QStringList &lines)
{
    return fontSettingsFrom([&lines](const QString &key, const QString &fallback) {
        return platform::valueInLines(lines, key).value_or(fallback);
    });
}

}  // namespace tavro::document
