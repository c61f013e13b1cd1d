// tavro-make-assets: draws the program's pictures (drop hints, blank board, rulers, logo, icon,
// help pictures).
#include "bmp_file.h"
#include "brand_mark.h"
#include "drop_hint.h"
#include "help_pictures.h"
#include "ruler.h"

#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;
using namespace tavro::assets;

namespace {

constexpr int HintColours = 16;
constexpr int JpegQuality = 92;
// Answers up to this one are JPEG files, the rest PNG, as the help window's resources name them.
constexpr int LastJpegAnswer = 4;

void printError(const QString &text)
{
    std::fputs(qPrintable(text + u'\n'), stderr);
}

bool writeFile(const QString &path, const QByteArray &data)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.commit())
        return true;
    printError(u"cannot write %1: %2"_s.arg(path, file.errorString()));
    return false;
}

// Qt is what reads these files in the program, so it must see exactly the pixels written.
bool writeBmp(const QString &path, const QImage &indexed, int bitsPerPixel)
{
    const QByteArray data = encodeBmp(indexed, bitsPerPixel);
    const QImage back = QImage::fromData(data, "BMP");
    if (back.size() != indexed.size() || back.convertToFormat(QImage::Format_RGB32) !=
                                             indexed.convertToFormat(QImage::Format_RGB32)) {
        printError(u"%1 does not read back as drawn"_s.arg(path));
        return false;
    }
    return writeFile(path, data);
}

bool writePng(const QString &path, const QImage &picture)
{
    if (picture.save(path, "PNG")) return true;
    printError(u"cannot write %1"_s.arg(path));
    return false;
}

// A fixed quality makes a second run write the same bytes, so unchanged pictures stay unchanged.
bool writeJpeg(const QString &path, const QImage &picture)
{
    if (picture.save(path, "JPG", JpegQuality)) return true;
    printError(u"cannot write %1"_s.arg(path));
    return false;
}

// A silently substituted font would change every picture, so a missing one stops the run.
bool haveFonts()
{
    bool ok = true;
    for (const QString &family :
         {u"Liberation Sans"_s, u"Noto Sans CJK SC"_s, u"Noto Sans CJK JP"_s}) {
        if (QFontDatabase::hasFamily(family)) continue;
        printError(u"font family %1 is not installed"_s.arg(family));
        ok = false;
    }
    return ok;
}

bool writeHelpPicture(const QString &path, const QImage &picture, bool jpeg)
{
    if (picture.isNull()) {
        printError(u"%1: the text runs off the page"_s.arg(path));
        return false;
    }
    return jpeg ? writeJpeg(path, picture) : writePng(path, picture);
}

bool makeHelp(const QDir &out)
{
    if (!out.mkpath(u"help"_s)) {
        printError(u"cannot create %1"_s.arg(out.filePath(u"help"_s)));
        return false;
    }
    const QDir help(out.filePath(u"help"_s));
    bool ok = writeHelpPicture(help.filePath(u"help_start.png"_s), helpStart(), false);
    for (int n = 1; n <= HelpAnswerCount; ++n) {
        const bool jpeg = n <= LastJpegAnswer;
        const QString name = u"answer_%1.%2"_s.arg(n).arg(jpeg ? u"jpg"_s : u"png"_s);
        ok &= writeHelpPicture(help.filePath(name), helpAnswer(n), jpeg);
    }
    return ok;
}

bool makeAll(const QDir &out)
{
    bool ok = true;
    for (int i = 0; i < DropHintCount; ++i) {
        const QImage hint = toGreyIndexed(dropHint(i), HintColours);
        ok &= writeBmp(out.filePath(u"drop_hint_%1.bmp"_s.arg(i)), hint, 4);
    }
    ok &= writePng(out.filePath(u"ruler_horizontal.png"_s), horizontalRuler());
    ok &= writePng(out.filePath(u"ruler_vertical.png"_s), verticalRuler());
    ok &= writePng(out.filePath(u"logo.png"_s), logo());
    ok &= writePng(out.filePath(u"tavro.png"_s), windowIcon());
    ok &= makeHelp(out);
    return ok;
}

}  // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2) {
        printError(u"usage: tavro-make-assets OUTDIR"_s);
        return 2;
    }
    if (!haveFonts()) return 1;
    const QDir out(arguments.at(1));
    if (!out.mkpath(u"."_s)) {
        printError(u"cannot create %1"_s.arg(out.path()));
        return 1;
    }
    return makeAll(out) ? 0 : 1;
}
