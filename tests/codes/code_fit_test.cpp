// A code's size on the board: whole dots a module, no larger than asked nor than the board.
#include "codes/code_fit.h"
#include "codes/make_symbol.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace tavro::codes {
namespace {

TEST(CodeFit, TakesTheLargestWholeModuleThatFits)
{
    const auto symbol = makeSymbol({u"TAVRO"_s});  // 29 modules a side with its quiet zone
    ASSERT_TRUE(symbol.ok());

    const auto fit = fitCode(*symbol, 20.0, 13.4);  // 268 dots
    ASSERT_TRUE(fit.ok()) << fit.why().toStdString();
    EXPECT_EQ(fit->dotsPerModule, 9);
    EXPECT_EQ(fit->dots, QSize(261, 261));
    EXPECT_NEAR(fit->widthMm, 261 / 13.4, 1e-9);
    EXPECT_NEAR(fit->moduleMm, 9 / 13.4, 1e-9);
    EXPECT_FALSE(fit->belowReadable);

    EXPECT_EQ(fitCode(*symbol, 29.0 / 10, 10.0)->dotsPerModule, 1) << "exactly one dot a module";
    EXPECT_TRUE(fitCode(*symbol, 5.0, 13.4)->belowReadable) << "67 dots: 2 a module";
    EXPECT_EQ(fitCode(*symbol, 100.0, 13.4)->dotsPerModule, 512 / 29) << "no larger than the board";
    EXPECT_EQ(fitCode(*symbol, 2.0, 13.4).why(),
              u"The code cannot be 2.0 mm wide: with its quiet zone it takes at least 2.2 mm "
              "(29 dots)."_s);
    EXPECT_EQ(fitCode(*symbol, 20.0, 13.4, 28).why(),
              u"At 1 dots a module the code would be 29 x 29 dots with its quiet zone; the board "
              "is 28 dots a side."_s);
    EXPECT_FALSE(fitCode(*symbol, std::numeric_limits<double>::quiet_NaN(), 13.4).ok());
}

TEST(CodeFit, EveryModuleIsWholeDotsOfOneColour)
{
    for (const CodeContent &content :
         {CodeContent{u"TAVRO"_s}, CodeContent{u"Tavro"_s, Symbology::Code128}}) {
        const auto symbol = makeSymbol(content);
        ASSERT_TRUE(symbol.ok());
        const auto fit = fitCode(*symbol, 30.0, 13.4);
        ASSERT_TRUE(fit.ok());
        const int n = fit->dotsPerModule;
        const QImage image = symbol->draw(n);
        ASSERT_EQ(image.format(), QImage::Format_Mono);
        ASSERT_EQ(image.size(), fit->dots);
        const QuietZone quiet = symbol->quietZone();
        std::vector<int> rowAt(std::size_t(quiet.top), -1);  // each module line's row
        for (int r = 0; r < symbol->rows(); ++r) rowAt.insert(rowAt.end(), symbol->rowHeight(r), r);
        rowAt.resize(std::size_t(symbol->modules().height()), -1);
        for (int y = 0; y < image.height(); ++y) {
            const int row = rowAt[std::size_t(y / n)];
            for (int x = 0; x < image.width(); ++x) {
                const int column = x / n - quiet.left;
                const bool dark = row >= 0 && column >= 0 && column < symbol->columns() &&
                                  symbol->isDark(column, row);
                ASSERT_EQ(image.pixelIndex(x, y), dark ? 0 : 1) << "dot " << x << ", " << y;
            }
        }
    }
    EXPECT_TRUE(makeSymbol({u"TAVRO"_s})->draw(0).isNull());
}

}  // namespace
}  // namespace tavro::codes
