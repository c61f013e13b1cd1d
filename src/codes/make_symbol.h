// A code's text made into its symbol, through zint.
#pragma once

#include "codes/code_content.h"
#include "codes/code_symbol.h"
#include "platform/outcome.h"

namespace tavro::codes {

// Longer texts are refused before zint sees them; no symbology holds this much.
inline constexpr int MaxTextBytes = 8000;

// The symbol, or why the text cannot be made into one, in words the operator reads: no text,
// an EAN-13 that is not 12 digits or 13 with the right check digit, a character the
// symbology cannot hold, a text too long for it. An EAN-13 given 12 digits gets its check
// digit.
platform::Result<CodeSymbol> makeSymbol(const CodeContent &content);

// The check digit that makes 12 digits an EAN-13.
int ean13CheckDigit(QStringView twelveDigits);

}  // namespace tavro::codes
