// Texts from outside printed on a terminal: nothing in them acts on the terminal.
#include "platform/printable_text.h"
#include "platform/file_name.h"

#include <gtest/gtest.h>

using namespace tavro::platform;
using namespace Qt::Literals::StringLiterals;

namespace {

TEST(PrintableText, EveryControlIsShownEscapedAndTheRestAsItIs)
{
    const std::pair<QString, QString> cases[] = {
        {u"/dev/ttyUSB0 caf\u00e9 \u4e2d \U0001F600.png"_s,
         u"/dev/ttyUSB0 caf\u00e9 \u4e2d \U0001F600.png"_s},
        {u"\x1b]0;owned\x07\x1b[2Jx.png"_s, u"\\x1b]0;owned\\x07\\x1b[2Jx.png"_s},
        {u"a\nb\rc\td\x7f\x01"_s, u"a\\nb\\rc\\td\\x7f\\x01"_s},
        {u"\u009b2J \u0085 \u2028"_s, u"\\u009b2J \\u0085 \\u2028"_s},
        {u"gnp.\u202eexe \u2066x\u2069 \u200f"_s, u"gnp.\\u202eexe \\u2066x\\u2069 \\u200f"_s},
        {fileNameFromBytes("\xff\x1b.png"), u"\uFFFD\\x1b.png"_s},
    };
    for (const auto &[text, shown] : cases) {
        EXPECT_EQ(printableText(text), shown) << text.toStdString();
        EXPECT_EQ(printableText(shown), shown) << "escaping twice changes nothing";
    }
}

}  // namespace
