#include "workspace/text_font.h"

#include "platform/profile_file.h"

#include <QFontInfo>
#include <QRegularExpression>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace tavro::workspace {
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

bool flag(const platform::ProfileFile &file, const QString &key)
{
    return file.read(Section, key, u"0"_s) == u"1"_s;
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
    TextFontSettings s;
    s.name = file.read(Section, u"Name"_s, u"Arial"_s);
    s.size = leadingInteger(file.read(Section, u"Size"_s, u"72"_s));
    s.bold = flag(file, u"Bold"_s);
    s.italic = flag(file, u"Tilt"_s);
    s.strikeOut = flag(file, u"Strikethrough"_s);
    s.underline = flag(file, u"Underline"_s);
    return s;
}

void saveFontSettings(platform::ProfileFile &file, const TextFontSettings &font)
{
    file.write(Section, u"Name"_s, font.name);
    file.write(Section, u"Size"_s, QString::number(font.size));
    file.write(Section, u"Bold"_s, fontFlagText(font.bold));
    file.write(Section, u"Tilt"_s, fontFlagText(font.italic));
    file.write(Section, u"Strikethrough"_s, fontFlagText(font.strikeOut));
    file.write(Section, u"Underline"_s, fontFlagText(font.underline));
}

QString fontFlagText(bool flag)
{
    return flag ? u"1"_s : u"0"_s;
}

}  // namespace tavro::workspace
