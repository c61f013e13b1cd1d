// --code for the command-line tools: a code drawn on a white board in place of a picture.
#pragma once

#include "codes/code_content.h"
#include "codes/code_fit.h"
#include "document/placement.h"
#include "platform/outcome.h"

#include <QCommandLineParser>
#include <QImage>
#include <QRect>
#include <QString>

#include <optional>

namespace tavro::cli {

struct CodeRequest {
    codes::CodeContent content;
    // A 2D code fits within the width and height; a linear code's height is its bars'.
    document::PlacementRequest placement;
    double dotsPerMillimetre = document::DefaultDotsPerMillimetre;
};

struct CodeBoard {
    QImage board;  // 512 x 512 RGB32, black burns
    codes::CodeFit fit;
    QRect rect;  // the code with its quiet zone, in board dots
};

// --code, --symbology and --error-correction.
void addCodeOptions(QCommandLineParser &parser);
// With --code: the request, without INPUT or the options only a picture takes. Without it:
// nothing, and --symbology or --error-correction alone are refused.
platform::Outcome readCodeOptions(const QCommandLineParser &parser,
                                  std::optional<CodeRequest> &request);

// The board with the code at a whole number of dots a module, or why the text makes no code
// or the code does not lie wholly on the board.
platform::Result<CodeBoard> makeCodeBoard(const CodeRequest &request);

// What to say when the modules are too small to burn readably; empty when they are not.
QString smallModuleWarning(const codes::CodeFit &fit);

}  // namespace tavro::cli
