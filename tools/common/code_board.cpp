#include "common/code_board.h"

#include "codes/make_symbol.h"
#include "common/render_options.h"
#include "render/effect_board.h"
#include "render/raster_constants.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace tavro::cli {
namespace {

// Options a code has no use for: it is drawn black on white, module by module, as it reads.
const QStringList PictureOnlyOptions = {u"effect"_s,    u"grey"_s,     u"brightness"_s,
                                        u"contrast"_s,  u"gamma"_s,    u"invert"_s,
                                        u"threshold"_s, u"dot-gain"_s, u"mirror"_s};

QString millimetresText(double millimetres)
{
    return QString::number(millimetres, 'f', 1);
}

std::optional<codes::Symbology> symbologyFromName(const QString &name)
{
    const QString lower = name.trimmed().toLower();
    if (lower == u"qr"_s) return codes::Symbology::Qr;
    if (lower == u"datamatrix"_s) return codes::Symbology::DataMatrix;
    if (lower == u"code128"_s) return codes::Symbology::Code128;
    if (lower == u"ean13"_s) return codes::Symbology::Ean13;
    return std::nullopt;
}

std::optional<codes::QrErrorCorrection> levelFromName(const QString &name)
{
    const QString upper = name.trimmed().toUpper();
    if (upper == u"L"_s) return codes::QrErrorCorrection::L;
    if (upper == u"M"_s) return codes::QrErrorCorrection::M;
    if (upper == u"Q"_s) return codes::QrErrorCorrection::Q;
    if (upper == u"H"_s) return codes::QrErrorCorrection::H;
    return std::nullopt;
}

platform::Outcome readSymbology(const QCommandLineParser &parser, codes::CodeContent &content)
{
    if (parser.isSet(u"symbology"_s)) {
        const std::optional<codes::Symbology> symbology =
            symbologyFromName(parser.value(u"symbology"_s));
        if (!symbology)
            return platform::Outcome::failed(
                u"--symbology must be qr, datamatrix, code128 or ean13, not '%1'"_s.arg(
                    parser.value(u"symbology"_s)));
        content.symbology = *symbology;
    }
    if (!parser.isSet(u"error-correction"_s)) return platform::Outcome::done();
    if (content.symbology != codes::Symbology::Qr)
        return platform::Outcome::failed(u"--error-correction is for QR codes only"_s);
    const std::optional<codes::QrErrorCorrection> level =
        levelFromName(parser.value(u"error-correction"_s));
    if (!level)
        return platform::Outcome::failed(u"--error-correction must be L, M, Q or H, not '%1'"_s.arg(
            parser.value(u"error-correction"_s)));
    content.errorCorrection = *level;
    return platform::Outcome::done();
}

// The largest whole module within the asked width and, for a 2D code, height; else the
// smallest recommended size.
platform::Result<codes::CodeFit> fitAsAsked(const codes::CodeSymbol &symbol,
                                            const CodeRequest &request)
{
    const document::PlacementRequest &asked = request.placement;
    std::optional<double> widthMm = asked.widthMm;
    if (asked.heightMm && !codes::isLinear(symbol.symbology())) {
        const QSize modules = symbol.modules();
        const double asWidth = *asked.heightMm * modules.width() / modules.height();
        widthMm = std::min(widthMm.value_or(asWidth), asWidth);
    }
    if (!widthMm) return codes::smallestRecommendedFit(symbol, request.dotsPerMillimetre);
    return codes::fitCode(symbol, *widthMm, request.dotsPerMillimetre);
}

// A linear code's bars stretched or shortened to `height` dots; the modules' edges stay.
QImage withBarHeight(const QImage &bars, int height)
{
    QImage out(bars.width(), height, bars.format());
    out.setColorTable(bars.colorTable());
    const qsizetype bytes = std::min(out.bytesPerLine(), bars.bytesPerLine());
    for (int y = 0; y < height; ++y)
        std::copy_n(bars.constScanLine(int(qint64(y) * bars.height() / height)), bytes,
                    out.scanLine(y));
    return out;
}

QRect placed(QSize size, const CodeRequest &request)
{
    QRect rect(
        QPoint((render::BoardSize - size.width()) / 2, (render::BoardSize - size.height()) / 2),
        size);
    const double scale = request.dotsPerMillimetre;
    if (request.placement.leftMm) rect.moveLeft(document::dotsOf(*request.placement.leftMm, scale));
    if (request.placement.topMm) rect.moveTop(document::dotsOf(*request.placement.topMm, scale));
    return rect;
}

void drawOn(QImage &board, const QImage &code, QPoint at)
{
    const QImage rgb = code.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y)
        std::copy_n(reinterpret_cast<const QRgb *>(rgb.constScanLine(y)), rgb.width(),
                    reinterpret_cast<QRgb *>(board.scanLine(at.y() + y)) + at.x());
}

}  // namespace

void addCodeOptions(QCommandLineParser &parser)
{
    parser.addOption({u"code"_s,
                      u"Burn a code of TEXT in place of a picture: black on white, every module "
                      u"a whole number of dots, with its quiet zone."_s,
                      u"TEXT"_s});
    parser.addOption(
        {u"symbology"_s, u"The code's kind (default qr)."_s, u"qr|datamatrix|code128|ean13"_s});
    parser.addOption({u"error-correction"_s,
                      u"How much of a QR code may be lost and still read: about 7, 15, 25 or 30 "
                      u"percent (default M)."_s,
                      u"L|M|Q|H"_s});
}

platform::Outcome readCodeOptions(const QCommandLineParser &parser,
                                  std::optional<CodeRequest> &request)
{
    if (!parser.isSet(u"code"_s)) {
        for (const QString &option : {u"symbology"_s, u"error-correction"_s})
            if (parser.isSet(option))
                return platform::Outcome::failed(u"--%1 goes with --code"_s.arg(option));
        return platform::Outcome::done();
    }
    if (!parser.positionalArguments().isEmpty())
        return platform::Outcome::failed(u"give INPUT or --code, not both"_s);
    for (const QString &option : PictureOnlyOptions)
        if (parser.isSet(option))
            return platform::Outcome::failed(
                u"--%1 is for pictures: a code is drawn black on white as it reads"_s.arg(option));
    CodeRequest read;
    read.content.text = parser.value(u"code"_s);
    if (platform::Outcome symbology = readSymbology(parser, read.content); !symbology)
        return symbology;
    if (platform::Outcome sizes = readMillimetreOptions(parser, read.placement); !sizes)
        return sizes;
    request = read;
    return platform::Outcome::done();
}

platform::Result<CodeBoard> makeCodeBoard(const CodeRequest &request)
{
    const platform::Result<codes::CodeSymbol> symbol = codes::makeSymbol(request.content);
    if (!symbol) return platform::Outcome::failed(symbol.why());
    const platform::Result<codes::CodeFit> fit = fitAsAsked(*symbol, request);
    if (!fit) return platform::Outcome::failed(fit.why());
    QImage code = symbol->draw(fit->dotsPerModule);
    const double scale = request.dotsPerMillimetre;
    if (request.placement.heightMm && codes::isLinear(request.content.symbology))
        code = withBarHeight(code, std::clamp(document::dotsOf(*request.placement.heightMm, scale),
                                              1, codes::CodeSymbol::MaxDrawnSide));
    CodeBoard out{render::blankBoard(), *fit, placed(code.size(), request)};
    out.fit.dots = code.size();
    out.fit.heightMm = code.height() / scale;
    if (!QRect(0, 0, render::BoardSize, render::BoardSize).contains(out.rect))
        return platform::Outcome::failed(
            u"The code, %1 x %2 mm with its quiet zone, would not lie wholly on the board, "
            u"%3 mm a side, at %4 mm from the left and %5 mm from the top."_s.arg(
                millimetresText(out.fit.widthMm), millimetresText(out.fit.heightMm),
                millimetresText(render::BoardSize / scale),
                millimetresText(out.rect.left() / scale), millimetresText(out.rect.top() / scale)));
    drawOn(out.board, code, out.rect.topLeft());
    return out;
}

QString smallModuleWarning(const codes::CodeFit &fit)
{
    if (!fit.belowReadable) return {};
    return (fit.dotsPerModule == 1
                ? u"modules of 1 dot burn unreadably on wood; "_s
                : u"modules of %1 dots burn unreadably on wood; "_s.arg(fit.dotsPerModule)) +
           u"a larger code reads better"_s;
}

}  // namespace tavro::cli
