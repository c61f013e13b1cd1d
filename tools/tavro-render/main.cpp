// tavro-render: a picture file to the board after choosing an effect, as PNG and/or upload raster.
#include "common/preset_option.h"
#include "common/render_options.h"
#include "common/usage_error.h"
#include "platform/file_name.h"
#include "platform/printable_text.h"
#include "platform/whole_file.h"
#include "render/upload_raster.h"
#include "settings/settings_folder.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QImageWriter>
#include <QLoggingCategory>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;
using namespace tavro;

namespace {

// Nothing was written: the input could not be read, or an output could not be written.
constexpr int ExitFailed = 1;
constexpr int ExitUsage = 2;

struct Arguments {
    QString input;
    cli::RenderChoice choice;
    QString pngPath;
    QString rasterPath;
};

void printError(const QString &text)
{
    // Names in the text come from outside: only the line's own end may act on the terminal.
    std::fputs(qPrintable(platform::printableText(text) + u'\n'), stderr);
}

platform::Outcome readArguments(QCommandLineParser &parser, Arguments &arguments)
{
    if (parser.positionalArguments().size() != 1)
        return platform::Outcome::failed(u"exactly one INPUT is needed"_s);
    arguments.input = parser.positionalArguments().first();
    if (!parser.isSet(u"effect"_s) && !parser.isSet(u"preset"_s))
        return platform::Outcome::failed(u"--effect or --preset is needed"_s);
    for (const platform::Outcome &read :
         {cli::readPresetOption(parser, settings::settingsFolder(), arguments.choice),
          cli::readRenderOptions(parser, arguments.choice)}) {
        if (!read) return read;
    }
    arguments.choice.dotsPerMillimetre = cli::storedDotsPerMillimetre(settings::settingsFolder());
    arguments.pngPath = parser.value(u"png"_s);
    arguments.rasterPath = parser.value(u"raster"_s);
    if (arguments.pngPath.isEmpty() && arguments.rasterPath.isEmpty())
        return platform::Outcome::failed(u"nothing to write: give --png and/or --raster"_s);
    return platform::Outcome::done();
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

int renderAndWrite(const Arguments &arguments)
{
    const cli::RenderedBoard rendered = cli::renderPictureFile(arguments.input, arguments.choice);
    // A white board from a picture that cannot be read would burn nothing, and say nothing.
    if (!rendered.error.isEmpty()) {
        printError(u"tavro-render: "_s + rendered.error);
        return rendered.placementRefused ? ExitUsage : ExitFailed;
    }
    bool written = true;
    if (!arguments.pngPath.isEmpty())
        written = writeOutput(arguments.pngPath, pngBytes(rendered.board)) && written;
    if (!arguments.rasterPath.isEmpty())
        written =
            writeOutput(arguments.rasterPath, render::packUploadRaster(rendered.board)) && written;
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
        u"Renders a picture onto the 512 x 512 board as the effect chooser would, and writes "
        u"the board as PNG and/or as the 32768-byte upload raster."_s);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(u"INPUT"_s,
                                 u"The picture file (JPEG, BMP, PNG, GIF, ICO, CUR, PCX)."_s);
    cli::addRenderOptions(parser);
    cli::addPresetOption(parser);
    parser.addOption({u"png"_s, u"Write the board as a PNG picture."_s, u"OUT.png"_s});
    parser.addOption({u"raster"_s, u"Write the board's upload raster."_s, u"OUT.bin"_s});

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
