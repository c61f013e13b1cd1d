// How large a code comes out on the board: a whole number of dots a module, so that every
// module's edges fall on whole dots.
#pragma once

#include "codes/code_symbol.h"
#include "platform/outcome.h"

#include <QSize>

namespace tavro::codes {

// A module narrower than this burns unreadably on wood: the dots' glow closes the gaps.
inline constexpr int ReadableDotsPerModule = 3;
// The burnt area's side when the caller names none.
inline constexpr int DefaultBoardDots = 512;

struct CodeFit {
    int dotsPerModule = 0;
    QSize dots;  // the symbol with its quiet zone
    double widthMm = 0;
    double heightMm = 0;
    double moduleMm = 0;
    bool belowReadable = false;  // fewer than ReadableDotsPerModule dots a module

    friend bool operator==(const CodeFit &, const CodeFit &) = default;
};

// `dotsPerMillimetre` is the machine's scale (positive, as its setting keeps it).
// The largest whole module at which the symbol with its quiet zone is no wider than `widthMm`
// and fits on a board of `boardDots` a side; or why even one dot a module does not fit.
platform::Result<CodeFit> fitCode(const CodeSymbol &symbol, double widthMm,
                                  double dotsPerMillimetre, int boardDots = DefaultBoardDots);

// The symbol at the smallest size that burns readably: ReadableDotsPerModule dots a module,
// or more where the symbology asks for a wider module (EAN-13: 0.264 mm, its smallest
// magnification); or why that does not fit on the board.
platform::Result<CodeFit> smallestRecommendedFit(const CodeSymbol &symbol, double dotsPerMillimetre,
                                                 int boardDots = DefaultBoardDots);

}  // namespace tavro::codes
