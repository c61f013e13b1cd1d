#include "codes/make_symbol.h"

#include "platform/logging.h"

#include <QCoreApplication>

#include <zint.h>

#include <cmath>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace tavro::codes {
namespace {

QString displayName(Symbology symbology)
{
    switch (symbology) {
    case Symbology::Qr:
        return u"QR"_s;
    case Symbology::DataMatrix:
        return u"Data Matrix"_s;
    case Symbology::Code128:
        return u"Code 128"_s;
    case Symbology::Ean13:
        return u"EAN-13"_s;
    }
    return {};
}

QString levelName(QrErrorCorrection level)
{
    static constexpr char16_t Names[] = u"LMQH";
    return QString(QChar(Names[int(level)]));
}

bool allDigits(QStringView text)
{
    for (QChar c : text)
        if (c < u'0' || c > u'9') return false;
    return true;
}

platform::Outcome checkEan13(const QString &text)
{
    if ((text.size() != 12 && text.size() != 13) || !allDigits(text))
        return platform::Outcome::failed(QCoreApplication::translate(
            "tavro::codes::CodeSymbol",
            "An EAN-13 code takes 12 digits, or 13 with the check digit."));
    const int check = ean13CheckDigit(QStringView(text).first(12));
    if (text.size() == 13 && text.back().digitValue() != check)
        return platform::Outcome::failed(
            QCoreApplication::translate(
                "tavro::codes::CodeSymbol",
                "The last digit of an EAN-13 code is its check digit: for %1 it is %2, not %3.")
                .arg(text.first(12))
                .arg(check)
                .arg(text.back().digitValue()));
    return platform::Outcome::done();
}

platform::Outcome checkCode128(const QString &text)
{
    for (const char32_t c : text.toUcs4())
        if (c > 0xFF)
            return platform::Outcome::failed(
                QCoreApplication::translate(
                    "tavro::codes::CodeSymbol",
                    "Code 128 holds only Western European letters, digits and signs, not \"%1\".")
                    .arg(QString::fromUcs4(&c, 1)));
    return platform::Outcome::done();
}

platform::Outcome checkText(const CodeContent &content)
{
    if (content.text.isEmpty())
        return platform::Outcome::failed(QCoreApplication::translate(
            "tavro::codes::CodeSymbol", "There is no text to make a code of."));
    if (content.symbology == Symbology::Ean13) return checkEan13(content.text);
    if (content.symbology == Symbology::Code128) return checkCode128(content.text);
    return platform::Outcome::done();
}

platform::Outcome tooLong(const CodeContent &content)
{
    if (content.symbology == Symbology::Qr)
        return platform::Outcome::failed(
            QCoreApplication::translate(
                "tavro::codes::CodeSymbol",
                "The text is too long for a QR code at error correction %1; a lower level or "
                "a shorter text fits.")
                .arg(levelName(content.errorCorrection)));
    return platform::Outcome::failed(
        QCoreApplication::translate("tavro::codes::CodeSymbol",
                                    "The text is too long for a %1 code.")
            .arg(displayName(content.symbology)));
}

platform::Outcome cannotMake(const CodeContent &content)
{
    return platform::Outcome::failed(
        QCoreApplication::translate("tavro::codes::CodeSymbol",
                                    "The text cannot be made into a %1 code.")
            .arg(displayName(content.symbology)));
}

struct ZintDeleter {
    void operator()(zint_symbol *symbol) const { ZBarcode_Delete(symbol); }
};
using ZintSymbol = std::unique_ptr<zint_symbol, ZintDeleter>;

void configure(zint_symbol &symbol, const CodeContent &content)
{
    symbol.input_mode = UNICODE_MODE;
    switch (content.symbology) {
    case Symbology::Qr:
        symbol.symbology = BARCODE_QRCODE;
        symbol.option_1 = int(content.errorCorrection) + 1;
        break;
    case Symbology::DataMatrix:
        symbol.symbology = BARCODE_DATAMATRIX;
        symbol.option_3 = DM_SQUARE;
        break;
    case Symbology::Code128:
        symbol.symbology = BARCODE_CODE128;
        break;
    case Symbology::Ean13:
        symbol.symbology = BARCODE_EANX;
        break;
    }
}

CodeSymbol modulesOf(const zint_symbol &symbol, Symbology symbology)
{
    std::vector<bool> dark(std::size_t(symbol.rows) * std::size_t(symbol.width));
    for (int row = 0; row < symbol.rows; ++row)
        for (int column = 0; column < symbol.width; ++column)
            dark[std::size_t(row) * std::size_t(symbol.width) + std::size_t(column)] =
                (symbol.encoded_data[row][column >> 3] >> (column & 7)) & 1;
    std::vector<int> heights(std::size_t(symbol.rows), 1);
    if (isLinear(symbology))
        for (int row = 0; row < symbol.rows; ++row)
            heights[std::size_t(row)] =
                std::max(1, int(std::lround(symbol.row_height[row] > 0 ? symbol.row_height[row]
                                                                       : symbol.height)));
    return CodeSymbol(symbology, symbol.width, std::move(dark), std::move(heights));
}

}  // namespace

int ean13CheckDigit(QStringView twelveDigits)
{
    int sum = 0;
    for (qsizetype i = 0; i < twelveDigits.size(); ++i)
        sum += twelveDigits[i].digitValue() * (i % 2 ? 3 : 1);
    return (10 - sum % 10) % 10;
}

platform::Result<CodeSymbol> makeSymbol(const CodeContent &content)
{
    if (platform::Outcome checked = checkText(content); !checked) return checked;
    // zint checks an EAN-13's check digit itself; it was checked above with a clearer reason.
    const QByteArray bytes =
        (content.symbology == Symbology::Ean13 ? content.text.first(12) : content.text).toUtf8();
    if (bytes.size() > MaxTextBytes) return tooLong(content);
    ZintSymbol symbol(ZBarcode_Create());
    if (!symbol) return cannotMake(content);
    configure(*symbol, content);
    const int status =
        ZBarcode_Encode(symbol.get(), reinterpret_cast<const unsigned char *>(bytes.constData()),
                        int(bytes.size()));
    if (status >= ZINT_ERROR) {
        qCInfo(lcPicture).noquote() << "zint refused the code:" << symbol->errtxt;
        return status == ZINT_ERROR_TOO_LONG ? tooLong(content) : cannotMake(content);
    }
    if (status != 0) qCDebug(lcPicture).noquote() << "zint:" << symbol->errtxt;
    if (symbol->rows < 1 || symbol->width < 1) return cannotMake(content);
    return modulesOf(*symbol, content.symbology);
}

}  // namespace tavro::codes
