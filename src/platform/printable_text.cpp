#include "platform/printable_text.h"

#include "platform/file_name.h"

using namespace Qt::Literals::StringLiterals;

namespace tavro::platform {
namespace {

bool isBidiControl(char16_t c)
{
    return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
}

// Empty when the character is shown as itself.
QString escaped(char16_t c)
{
    switch (c) {
    case u'\n':
        return u"\\n"_s;
    case u'\r':
        return u"\\r"_s;
    case u'\t':
        return u"\\t"_s;
    default:
        break;
    }
    if (c < 0x20 || c == 0x7F) return u"\\x"_s + QString::number(c, 16).rightJustified(2, u'0');
    if ((c >= 0x80 && c <= 0x9F) || c == 0x2028 || c == 0x2029 || isBidiControl(c))
        return u"\\u"_s + QString::number(c, 16).rightJustified(4, u'0');
    return {};
}

}  // namespace

QString printableText(QStringView text)
{
    const QString shown = displayFileName(text.toString());
    QString out;
    out.reserve(shown.size());
    for (const QChar c : shown) {
        if (const QString escape = escaped(c.unicode()); !escape.isEmpty())
            out += escape;
        else
            out += c;
    }
    return out;
}

}  // namespace tavro::platform
