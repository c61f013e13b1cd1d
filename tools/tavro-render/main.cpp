// tavro-render: a picture file to the board after choosing an effect, as PNG and/or upload raster.
#include "job/effect.h"
#include "job/effect_board.h"
#include "job/picture_tuning.h"
#include "job/raster_constants.h"
#include "job/upload_raster.h"
#include "job/work_snapshot.h"
#include "platform/picture_loader.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLoggingCategory>
#include <QSaveFile>

#include <cstdio>
#include <optional>

using namespace Qt::Literals::StringLiterals;
using namespace tavro;

namespace {

constexpr int kExitWriteFailed = 1;
constexpr int kExitUsage = 2;

struct Arguments {
    QString input;
    job::Effect effect = job::Effect::BlackWhite;
    job::PictureTuning tuning;
    QString pngPath;
    QString rasterPath;
};

void printError(const QString &text)
{
    std::fputs(qPrintable(text + u'\n'), stderr);
}

QString effectNames()
{
    QStringList names;
    for (const job::Effect effect : job::AllEffects) names << job::effectName(effect);
    return names.join(u", "_s);
}

QString quoted(const QString &text)
{
    return u'\'' + text + u'\'';
}

// Empty error text when the option is absent or holds a whole number in range.
QString readWhole(const QCommandLineParser &parser, const QString &option,
                  job::TuningRange<int> range, int &value)
{
    if (!parser.isSet(option)) return {};
    bool ok = false;
    const int parsed = parser.value(option).trimmed().toInt(&ok);
    if (!ok || !range.contains(parsed))
        return u"--%1 must be a whole number from %2 to %3, not %4"_s.arg(
            option, QString::number(range.min), QString::number(range.max),
            quoted(parser.value(option)));
    value = parsed;
    return {};
}

QString readGamma(const QCommandLineParser &parser, double &value)
{
    if (!parser.isSet(u"gamma"_s)) return {};
    bool ok = false;
    const double parsed = parser.value(u"gamma"_s).trimmed().toDouble(&ok);
    if (!ok || !job::GammaRange.contains(parsed))
        return u"--gamma must be a number from %1 to %2, not %3"_s.arg(
            QString::number(job::GammaRange.min, 'f', 1),
            QString::number(job::GammaRange.max, 'f', 1), quoted(parser.value(u"gamma"_s)));
    value = parsed;
    return {};
}

QString readTuning(const QCommandLineParser &parser, job::PictureTuning &tuning)
{
    if (parser.isSet(u"grey"_s)) {
        const QString name = parser.value(u"grey"_s);
        const std::optional<job::GreySource> grey = job::greySourceFromName(name);
        if (!grey || *grey == job::GreySource::Auto)
            return u"--grey must be blue, average or luma, not %1"_s.arg(quoted(name));
        tuning.grey = *grey;
    }
    for (QString error :
         {readWhole(parser, u"brightness"_s, job::BrightnessRange, tuning.brightness),
          readWhole(parser, u"contrast"_s, job::ContrastRange, tuning.contrast),
          readGamma(parser, tuning.gamma),
          readWhole(parser, u"threshold"_s, job::ThresholdRange, tuning.threshold)}) {
        if (!error.isEmpty()) return error;
    }
    tuning.invert = parser.isSet(u"invert"_s);
    return {};
}

// Empty error text means the arguments are usable.
QString readArguments(QCommandLineParser &parser, Arguments &arguments)
{
    if (parser.positionalArguments().size() != 1) return u"exactly one INPUT is needed"_s;
    arguments.input = parser.positionalArguments().first();
    if (!parser.isSet(u"effect"_s)) return u"--effect is needed"_s;
    const std::optional<job::Effect> effect = job::effectFromName(parser.value(u"effect"_s));
    if (!effect) return u"--effect must be one of %1"_s.arg(effectNames());
    arguments.effect = *effect;
    if (QString error = readTuning(parser, arguments.tuning); !error.isEmpty()) return error;
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
    const platform::LoadedPicture picture =
        platform::loadPicture(arguments.input, {.drawSize = job::ProcessingSize});
    // Like the program, an unreadable picture still gives a (white) board.
    if (!picture.isReadable())
        printError(u"tavro-render: %1: %2"_s.arg(picture.name, picture.error));

    const QImage snapshot = job::makeWorkSnapshot(picture);
    const QImage board = job::renderEffectBoard(snapshot, arguments.effect, arguments.tuning);
    int status = 0;
    if (!arguments.pngPath.isEmpty() && !writePng(arguments.pngPath, board)) {
        printError(u"tavro-render: cannot write %1"_s.arg(arguments.pngPath));
        status = kExitWriteFailed;
    }
    if (!arguments.rasterPath.isEmpty() &&
        !writeFile(arguments.rasterPath, job::packUploadRaster(board))) {
        printError(u"tavro-render: cannot write %1"_s.arg(arguments.rasterPath));
        status = kExitWriteFailed;
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
    parser.addOption({u"effect"_s,
                      u"The rendering: bw or dither as the effect chooser has always shown "
                      u"them, or threshold, fs, atkinson, jjn, stucki, sierra or bayer."_s,
                      u"name"_s});
    parser.addOption({u"grey"_s,
                      u"The grey level read from colours. Default: the average for bw, the "
                      u"blue channel for dither, luma for the others."_s,
                      u"blue|average|luma"_s});
    parser.addOption({u"brightness"_s, u"Brightness, -100 to 100 (default 0)."_s, u"B"_s});
    parser.addOption({u"contrast"_s, u"Contrast, -100 to 100 (default 0)."_s, u"C"_s});
    parser.addOption({u"gamma"_s, u"Gamma, 0.2 to 5.0 (default 1.0)."_s, u"G"_s});
    parser.addOption({u"invert"_s, u"Swap light and dark."_s});
    parser.addOption({u"threshold"_s,
                      u"For bw and threshold: levels below it burn, 1 to 255 (default 128)."_s,
                      u"T"_s});
    parser.addOption({u"png"_s, u"Write the board as a PNG picture."_s, u"OUT.png"_s});
    parser.addOption({u"raster"_s, u"Write the board's upload raster."_s, u"OUT.bin"_s});

    Arguments arguments;
    QString error;
    if (!parser.parse(QCoreApplication::arguments())) {
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
        return kExitUsage;
    }
    return render(arguments);
}
