#include "codes/code_fit.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace tavro::codes {
namespace {

// Millimetres times dots a millimetre lands a hair below a whole dot (20 x 13.4).
constexpr double DotTolerance = 1e-6;

double smallestModuleMm(Symbology symbology)
{
    return symbology == Symbology::Ean13 ? 0.264 : 0.0;
}

QString number(double value)
{
    return QLocale().toString(value, 'f', 1);
}

CodeFit fitAt(const CodeSymbol &symbol, int dotsPerModule, double dotsPerMillimetre)
{
    CodeFit fit;
    fit.dotsPerModule = dotsPerModule;
    fit.dots = symbol.modules() * dotsPerModule;
    fit.widthMm = fit.dots.width() / dotsPerMillimetre;
    fit.heightMm = fit.dots.height() / dotsPerMillimetre;
    fit.moduleMm = dotsPerModule / dotsPerMillimetre;
    fit.belowReadable = dotsPerModule < ReadableDotsPerModule;
    return fit;
}

// The most dots a module that keep the symbol on the board; 0 when not even one does.
int boardLimit(const CodeSymbol &symbol, int boardDots)
{
    const QSize modules = symbol.modules();
    return std::min(boardDots / std::max(1, modules.width()),
                    boardDots / std::max(1, modules.height()));
}

platform::Outcome offBoard(const CodeSymbol &symbol, int dotsPerModule, int boardDots)
{
    const QSize dots = symbol.modules() * dotsPerModule;
    return platform::Outcome::failed(
        QCoreApplication::translate("tavro::codes::CodeFit",
                                    "At %1 dots a module the code would be %2 x %3 dots with its "
                                    "quiet zone; the board is %4 dots a side.")
            .arg(dotsPerModule)
            .arg(dots.width())
            .arg(dots.height())
            .arg(boardDots));
}

}  // namespace

platform::Result<CodeFit> fitCode(const CodeSymbol &symbol, double widthMm,
                                  double dotsPerMillimetre, int boardDots)
{
    if (boardLimit(symbol, boardDots) < 1) return offBoard(symbol, 1, boardDots);
    const int columns = symbol.modules().width();
    const double dots = widthMm * dotsPerMillimetre;
    const int fitting = std::isfinite(dots) && dots > 0 && dotsPerMillimetre > 0
                            ? int(std::min(std::floor(dots / columns + DotTolerance), 1e6))
                            : 0;
    if (fitting < 1)
        return platform::Outcome::failed(
            QCoreApplication::translate("tavro::codes::CodeFit",
                                        "The code cannot be %1 mm wide: with its quiet zone it "
                                        "takes at least %2 mm (%3 dots).")
                .arg(number(widthMm), number(columns / dotsPerMillimetre))
                .arg(columns));
    return fitAt(symbol, std::min(fitting, boardLimit(symbol, boardDots)), dotsPerMillimetre);
}

platform::Result<CodeFit> smallestRecommendedFit(const CodeSymbol &symbol, double dotsPerMillimetre,
                                                 int boardDots)
{
    const int wanted = std::max(
        ReadableDotsPerModule,
        int(std::ceil(smallestModuleMm(symbol.symbology()) * dotsPerMillimetre - DotTolerance)));
    if (wanted > boardLimit(symbol, boardDots)) return offBoard(symbol, wanted, boardDots);
    return fitAt(symbol, wanted, dotsPerMillimetre);
}

}  // namespace tavro::codes
