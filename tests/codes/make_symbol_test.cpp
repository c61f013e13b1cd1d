// Texts made into symbols, and the reasons the operator reads when they cannot be.
#include "codes/make_symbol.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace tavro::codes {
namespace {

QString refusal(const CodeContent &content)
{
    const auto symbol = makeSymbol(content);
    return symbol.ok() ? u"(made)"_s : symbol.why();
}

TEST(MakeSymbol, RefusesWhatTheSymbologyCannotHoldAndSaysWhy)
{
    EXPECT_EQ(refusal({}), u"There is no text to make a code of."_s);
    const QString eanLength = u"An EAN-13 code takes 12 digits, or 13 with the check digit."_s;
    for (const QString &text : {u"40063813339"_s, u"40063813339312"_s, u"40063813339A"_s})
        EXPECT_EQ(refusal({text, Symbology::Ean13}), eanLength) << text.toStdString();
    EXPECT_EQ(refusal({u"4006381333932"_s, Symbology::Ean13}),
              u"The last digit of an EAN-13 code is its check digit: for 400638133393 it is 1, "
              "not 2."_s);
    EXPECT_EQ(refusal({u"Tavro 🔥"_s, Symbology::Code128}),
              u"Code 128 holds only Western European letters, digits and signs, not \"🔥\"."_s);

    // Roughly 2000 bytes fit a QR code at L but not at H.
    const QString longText = QString(2000, u'x');
    EXPECT_EQ(refusal({longText, Symbology::Qr, QrErrorCorrection::L}), u"(made)"_s);
    EXPECT_EQ(refusal({longText, Symbology::Qr, QrErrorCorrection::H}),
              u"The text is too long for a QR code at error correction H; a lower level or a "
              "shorter text fits."_s);
    EXPECT_EQ(refusal({QString(4000, u'x'), Symbology::DataMatrix}),
              u"The text is too long for a Data Matrix code."_s);
    EXPECT_EQ(refusal({QString(400, u'x'), Symbology::Code128}),
              u"The text is too long for a Code 128 code."_s);
    EXPECT_EQ(refusal({QString(MaxTextBytes + 1, u'7'), Symbology::Qr}),
              u"The text is too long for a QR code at error correction M; a lower level or a "
              "shorter text fits."_s);
}

TEST(MakeSymbol, GivesEachSymbologyItsShapeAndQuietZone)
{
    const auto qr = makeSymbol({u"TAVRO"_s});
    ASSERT_TRUE(qr.ok());
    EXPECT_EQ(qr->modules(), QSize(4 + 21 + 4, 4 + 21 + 4)) << "version 1 with 4 modules around";
    for (int i = 0; i < 7; ++i) {
        EXPECT_TRUE(qr->isDark(i, 0) && qr->isDark(0, i)) << "the finder's outer ring, " << i;
        EXPECT_FALSE(qr->isDark(7, i)) << "the finder's separator, " << i;
    }

    const auto ean = makeSymbol({u"400638133393"_s, Symbology::Ean13});
    ASSERT_TRUE(ean.ok());
    EXPECT_EQ(ean->rows(), 1);
    EXPECT_EQ(ean->columns(), 95);
    EXPECT_EQ(ean->modules().width(), 11 + 95 + 7);
    EXPECT_GT(ean->rowHeight(0), 20) << "bars, not a line";
    EXPECT_TRUE(ean->isDark(0, 0) && !ean->isDark(1, 0) && ean->isDark(2, 0)) << "start guard";
}

}  // namespace
}  // namespace tavro::codes
