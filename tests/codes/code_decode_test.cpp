// Codes burnt as small as recommended read back: drawn, shown as they will burn at the default
// dot width, and decoded by a reader that shares nothing with the encoder.
#include "codes/code_fit.h"
#include "codes/make_symbol.h"
#include "render/as_it_will_burn.h"
#include "render/dot_footprint.h"

#include <gtest/gtest.h>

#include <ZXing/ReadBarcode.h>

using namespace Qt::Literals::StringLiterals;

namespace tavro::codes {
namespace {

// The machine size's default scale.
constexpr double DotsPerMillimetre = 13.4;

struct DecodeCase {
    CodeContent content;
    ZXing::BarcodeFormat format;
    QString expected;
    std::string level;
};

ZXing::Result readBack(const QImage &mono, ZXing::BarcodeFormat format)
{
    const render::AsItWillBurn burn{render::BurnLook{}};
    const QImage grey = burn.render(render::BurnMask::fromRendering(mono))
                            .convertToFormat(QImage::Format_Grayscale8);
    ZXing::DecodeHints hints;
    hints.setFormats(format);
    const ZXing::ImageView view(grey.constBits(), grey.width(), grey.height(),
                                ZXing::ImageFormat::Lum, int(grey.bytesPerLine()));
    return ZXing::ReadBarcode(view, hints);
}

TEST(CodeDecode, EverySymbologyReadsBackAtItsSmallestRecommendedSize)
{
    const std::vector<DecodeCase> cases{
        {{u"https://tavro.example/job/42"_s}, ZXing::BarcodeFormat::QRCode, {}, "M"},
        {{u"Birke – 白樺 – Bouleau"_s, Symbology::Qr, QrErrorCorrection::H},
         ZXing::BarcodeFormat::QRCode,
         {},
         "H"},
        {{u"Tavro Laser 2026"_s, Symbology::DataMatrix}, ZXing::BarcodeFormat::DataMatrix, {}, {}},
        {{u"Tavro Öl"_s, Symbology::Code128}, ZXing::BarcodeFormat::Code128, {}, {}},
        {{u"400638133393"_s, Symbology::Ean13},
         ZXing::BarcodeFormat::EAN13,
         u"4006381333931"_s,
         {}},
    };
    for (const DecodeCase &c : cases) {
        SCOPED_TRACE(c.content.text.toStdString());
        const auto symbol = makeSymbol(c.content);
        ASSERT_TRUE(symbol.ok()) << symbol.why().toStdString();
        const auto fit = smallestRecommendedFit(*symbol, DotsPerMillimetre);
        ASSERT_TRUE(fit.ok()) << fit.why().toStdString();
        EXPECT_FALSE(fit->belowReadable);

        const ZXing::Result result = readBack(symbol->draw(fit->dotsPerModule), c.format);
        ASSERT_TRUE(result.isValid()) << "at " << fit->dotsPerModule << " dots a module";
        EXPECT_EQ(QString::fromStdString(result.text()),
                  c.expected.isEmpty() ? c.content.text : c.expected);
        if (!c.level.empty()) {
            EXPECT_EQ(result.ecLevel(), c.level);
        }
    }
}

}  // namespace
}  // namespace tavro::codes
