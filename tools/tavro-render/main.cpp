// tavro-render: a picture file to the board after choosing an effect, as PNG and/or upload raster.
#include "common/code_board.h"
#include "common/preset_option.h"
#include "common/render_options.h"
#include "common/usage_error.h"
#include "platform/file_name.h"
#include "platform/printable_text.h"
#include "platform/whole_file.h"
#include "render/as_it_will_burn.h"
#include "render/upload_raster.h"
#include "settings/settings_folder.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QImageWriter>
#include <QLoggingCategory>

#include <cstdio>
#include <optional>
#include <variant>

using namespace Qt::Literals::StringLiterals;
using namespace tavro;

namespace {

// Nothing was written: the input could not be read, or an output could not be written.
constexpr int ExitFailed = 1;
constexpr int ExitUsage = 2;

struct Arguments {
    QString input;
    std::optional<cli::CodeRequest> code;
    cli::RenderChoice choice;
    QString pngPath;
    QString rasterPath;
    QString asBurntPath;
    // The look of --as-burnt: --dot-width, else the dot width the rendering compensates for.
    double dotWidth = render::DefaultDotDiameter;
};

void printError(const QString &text)
{
    // Names in the text come from outside: only the line's own end may act on the terminal.
    std::fputs(qPrintable(platform::printableText(text) + u'\n'), stderr);
}

platform::Outcome readPictureArguments(QCommandLineParser &parser, Arguments &arguments)
{
    if (parser.positionalArguments().size() != 1)
        return platform::Outcome::failed(u"exactly one INPUT, or --code TEXT, is needed"_s);
    arguments.input = parser.positionalArguments().first();
    if (!parser.isSet(u"effect"_s) && !parser.isSet(u"preset"_s))
        return platform::Outcome::failed(u"--effect or --preset is needed"_s);
    for (const platform::Outcome &read :
         {cli::readPresetOption(parser, settings::settingsFolder(), arguments.choice),
          cli::readRenderOptions(parser, arguments.choice)}) {
        if (!read) return read;
    }
    return platform::Outcome::done();
}

platform::Outcome readArguments(QCommandLineParser &parser, Arguments &arguments)
{
    if (platform::Outcome code = cli::readCodeOptions(parser, arguments.code); !code) return code;
    if (arguments.code && parser.isSet(u"preset"_s))
        return platform::Outcome::failed(
            u"--preset is for pictures: a code is drawn black on white as it reads"_s);
    if (!arguments.code) {
        if (platform::Outcome picture = readPictureArguments(parser, arguments); !picture)
            return picture;
    }
    const double scale = cli::storedDotsPerMillimetre(settings::settingsFolder());
    arguments.choice.dotsPerMillimetre = scale;
    if (arguments.code) arguments.code->dotsPerMillimetre = scale;
    arguments.pngPath = parser.value(u"png"_s);
    arguments.rasterPath = parser.value(u"raster"_s);
    arguments.asBurntPath = parser.value(u"as-burnt"_s);
    if (arguments.pngPath.isEmpty() && arguments.rasterPath.isEmpty() &&
        arguments.asBurntPath.isEmpty())
        return platform::Outcome::failed(
            u"nothing to write: give --png, --raster and/or --as-burnt"_s);
    arguments.dotWidth = arguments.choice.tuning.dotDiameter;
    return cli::readDecimalOption(parser, u"dot-width"_s, render::DotDiameterRange,
                                  arguments.dotWidth);
}

QByteArray pngBytes(const QImage &board)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return QImageWriter(&buffer, "png").write(board) ? bytes : QByteArray();
}

// Whole or not at all, so a full disk leaves the old file as it was.
bool writeOutput(const QString &path, const QByteArray &bytes)
{
    const platform::Outcome written =
        bytes.isEmpty() ? platform::Outcome::failed(u"the board could not be encoded"_s)
                        : platform::writeWholeFile(path, bytes);
    if (written) return true;
    printError(
        u"tavro-render: cannot write %1: %2"_s.arg(platform::displayFileName(path), written.why()));
    return false;
}

// The board, or the exit status when there is none to write.
std::variant<QImage, int> boardOf(const Arguments &arguments)
{
    if (arguments.code) {
        const platform::Result<cli::CodeBoard> code = cli::makeCodeBoard(*arguments.code);
        if (!code) {
            printError(u"tavro-render: "_s + code.why());
            return ExitUsage;
        }
        if (const QString warning = cli::smallModuleWarning(code->fit); !warning.isEmpty())
            printError(u"tavro-render: "_s + warning);
        return code->board;
    }
    const cli::RenderedBoard rendered = cli::renderPictureFile(arguments.input, arguments.choice);
    // A white board from a picture that cannot be read would burn nothing, and say nothing.
    if (!rendered.error.isEmpty()) {
        printError(u"tavro-render: "_s + rendered.error);
        return rendered.placementRefused ? ExitUsage : ExitFailed;
    }
    return rendered.board;
}

int renderAndWrite(const Arguments &arguments)
{
    const std::variant<QImage, int> made = boardOf(arguments);
    if (const int *status = std::get_if<int>(&made)) return *status;
    const QImage &board = std::get<QImage>(made);
    bool written = true;
    if (!arguments.pngPath.isEmpty())
        written = writeOutput(arguments.pngPath, pngBytes(board)) && written;
    if (!arguments.rasterPath.isEmpty())
        written = writeOutput(arguments.rasterPath, render::packUploadRaster(board)) && written;
    if (!arguments.asBurntPath.isEmpty()) {
        const render::AsItWillBurn look({.dotDiameter = arguments.dotWidth});
        written = writeOutput(arguments.asBurntPath, pngBytes(look.render(board))) && written;
    }
    return written ? 0 : ExitFailed;
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"tavro-render"_s);
    QCoreApplication::setApplicationVersion(QStringLiteral(TAVRO_VERSION));
    // The decoders' own warnings would only repeat the reason printed below.
    QLoggingCategory::setFilterRules(u"qt.gui.imageio*.warning=false"_s);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Renders a picture onto the 512 x 512 board as the effect chooser would, or draws a "
        u"code there, and writes the board as PNG, as the 32768-byte upload raster and/or as it "
        u"will look burnt."_s);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(u"INPUT"_s,
                                 u"The picture file (JPEG, BMP, PNG, GIF, ICO, CUR, PCX, SVG)."_s);
    cli::addRenderOptions(parser);
    cli::addPresetOption(parser);
    cli::addCodeOptions(parser);
    parser.addOption({u"png"_s, u"Write the board as a PNG picture."_s, u"OUT.png"_s});
    parser.addOption({u"raster"_s, u"Write the board's upload raster."_s, u"OUT.bin"_s});
    parser.addOption({u"as-burnt"_s,
                      u"Write the board as it will look burnt: each dot a disc of the dot "
                      u"width, burn colour on the material's."_s,
                      u"OUT.png"_s});
    parser.addOption({u"dot-width"_s,
                      u"The burnt dot's width for --as-burnt, 0.5 to 3.0 dots (default: the "
                      u"width --dot-gain or the preset compensates for, else 1.3)."_s,
                      u"D"_s});

    Arguments arguments;
    platform::Outcome read = platform::Outcome::done();
    // File names are kept byte for byte, valid UTF-8 or not.
    if (!parser.parse(platform::commandLineArguments(argc, argv))) {
        read = platform::Outcome::failed(parser.errorText());
    } else if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    } else if (parser.isSet(version)) {
        std::fputs(qPrintable(u"tavro-render "_s + QCoreApplication::applicationVersion() + u'\n'),
                   stdout);
        return 0;
    } else {
        read = readArguments(parser, arguments);
    }
    if (!read) {
        printError(cli::usageErrorLine(u"tavro-render"_s, read.why()));
        return ExitUsage;
    }
    return renderAndWrite(arguments);
}
