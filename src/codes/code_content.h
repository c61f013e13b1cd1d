// What a code is made of: its text, its symbology and, for a QR code, how much of it may be
// lost and still read.
#pragma once

#include <QString>

namespace tavro::codes {

enum class Symbology { Qr, DataMatrix, Code128, Ean13 };

// The share of a QR code that may be damaged: about 7, 15, 25 and 30 percent.
enum class QrErrorCorrection { L, M, Q, H };

struct CodeContent {
    QString text;
    Symbology symbology = Symbology::Qr;
    QrErrorCorrection errorCorrection = QrErrorCorrection::M;  // QR codes only

    friend bool operator==(const CodeContent &, const CodeContent &) = default;
};

}  // namespace tavro::codes
