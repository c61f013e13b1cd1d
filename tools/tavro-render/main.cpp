// tavro-render: a picture file to the board after choosing an effect, as PNG and/or upload raster.
#include "job/render_options.h"
#include "job/upload_raster.h"
#include "platform/file_name.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLoggingCategory>
#include <QSaveFile>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;
using namespace tavro;

namespace {

constexpr int ExitWriteFailed = 1;
constexpr int ExitUsage = 2;

struct Arguments {
    QString input;
    job::RenderChoice choice;
    QString pngPath;
    QString rasterPath;
};

void printError(const QString &text)
{
    std::fputs(qPrintable(text + u'\n'), stderr);
}

// Empty error text means the arguments are usable.
QString readArguments(QCommandLineParser &parser, Arguments &arguments)
{
    if (parser.positionalArguments().size() != 1) return u"exactly one INPUT is needed"_s;
    arguments.input = parser.positionalArguments().first();
    if (!parser.isSet(u"effect"_s)) return u"--effect is needed"_s;
    if (QString error = job::readRenderOptions(parser, arguments.choice); !error.isEmpty())
        return error;
    arguments.pngPath = parser.value(u"png"_s);
    arguments.rasterPath = parser.value(u"raster"_s);
    if (arguments.pngPath.isEmpty() && arguments.rasterPath.isEmpty())
        return u"nothing to write: give --png and/or --raster"_s;
    return {};
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

bool writePng(const QString &path, const QImage &board)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && board.save(&file, "PNG") && file.commit();
}

int render(const Arguments &arguments)
{
    const job::RenderedBoard rendered = job::renderPictureFile(arguments.input, arguments.choice);
    // Like the program, an unreadable picture still gives a (white) board.
    if (!rendered.error.isEmpty()) printError(u"tavro-render: "_s + rendered.error);
    const QImage &board = rendered.board;
    int status = 0;
    if (!arguments.pngPath.isEmpty() && !writePng(arguments.pngPath, board)) {
        printError(u"tavro-render: cannot write %1"_s.arg(arguments.pngPath));
        status = ExitWriteFailed;
    }
    if (!arguments.rasterPath.isEmpty() &&
        !writeFile(arguments.rasterPath, job::packUploadRaster(board))) {
        printError(u"tavro-render: cannot write %1"_s.arg(arguments.rasterPath));
        status = ExitWriteFailed;
    }
    return status;
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"tavro-render"_s);
    // The decoders' own warnings would only repeat the reason printed below.
    QLoggingCategory::setFilterRules(u"qt.gui.imageio*.warning=false"_s);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Renders a picture onto the 512 x 512 board as the effect chooser would, and writes "
        u"the board as PNG and/or as the 32768-byte upload raster."_s);
    const QCommandLineOption help = parser.addHelpOption();
    parser.addPositionalArgument(u"INPUT"_s,
                                 u"The picture file (JPEG, BMP, PNG, GIF, ICO, CUR, PCX)."_s);
    job::addRenderOptions(parser);
    parser.addOption({u"png"_s, u"Write the board as a PNG picture."_s, u"OUT.png"_s});
    parser.addOption({u"raster"_s, u"Write the board's upload raster."_s, u"OUT.bin"_s});

    Arguments arguments;
    QString error;
    // File names are kept byte for byte, valid UTF-8 or not.
    if (!parser.parse(platform::commandLineArguments(argc, argv))) {
        error = parser.errorText();
    } else if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    } else {
        error = readArguments(parser, arguments);
    }
    if (!error.isEmpty()) {
        printError(u"tavro-render: "_s + error);
        std::fputs(qPrintable(parser.helpText()), stderr);
        return ExitUsage;
    }
    return render(arguments);
}
