// tavro-render --code: the board it writes reads back to the text, module edges on whole dots.
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ZXing/ReadBarcode.h>

#include <numeric>

using namespace Qt::Literals::StringLiterals;

namespace {

// The machine size's default scale, which the tests' settings folder keeps.
constexpr double DotsPerMillimetre = 13.4;

class TavroRenderCodeTest : public ::testing::Test {
protected:
    // Exit status and standard error.
    std::pair<int, QString> run(const QStringList &arguments)
    {
        QProcess process;
        process.start(QStringLiteral(TAVRO_RENDER_PATH), arguments);
        EXPECT_TRUE(process.waitForFinished(60000));
        return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError())};
    }

    QImage board(const QStringList &options)
    {
        const auto [status, errors] = run(options + QStringList{u"--png"_s, out});
        EXPECT_EQ(status, 0) << qPrintable(errors);
        EXPECT_TRUE(errors.isEmpty()) << qPrintable(errors);
        return QImage(out).convertToFormat(QImage::Format_Grayscale8);
    }

    QTemporaryDir dir;
    QString out = dir.filePath(u"out.png"_s);
};

QString readBack(const QImage &grey, ZXing::BarcodeFormat format)
{
    ZXing::DecodeHints hints;
    hints.setFormats(format);
    const ZXing::ImageView view(grey.constBits(), grey.width(), grey.height(),
                                ZXing::ImageFormat::Lum, int(grey.bytesPerLine()));
    return QString::fromStdString(ZXing::ReadBarcode(view, hints).text());
}

bool isBlack(const QImage &grey, QPoint p)
{
    return grey.constScanLine(p.y())[p.x()] < 128;
}

// The smallest box holding every black dot.
QRect blackBox(const QImage &grey)
{
    QRect box;
    for (int y = 0; y < grey.height(); ++y)
        for (int x = 0; x < grey.width(); ++x)
            if (isBlack(grey, {x, y})) box |= QRect(x, y, 1, 1);
    return box;
}

// The greatest common divisor of every run of one colour along the box's rows (and columns):
// the module's side when every edge falls on a whole module.
int moduleOf(const QImage &grey, const QRect &box, Qt::Orientations along)
{
    int module = 0;
    const auto runs = [&](QPoint from, QPoint step, int count) {
        int run = 1;
        for (int i = 1; i < count; ++i) {
            const QPoint p = from + step * i;
            if (isBlack(grey, p) == isBlack(grey, p - step)) {
                ++run;
            } else {
                module = std::gcd(module, run);
                run = 1;
            }
        }
        module = std::gcd(module, run);
    };
    for (int y = box.top(); y <= box.bottom(); ++y) runs({box.left(), y}, {1, 0}, box.width());
    if (along & Qt::Vertical)
        for (int x = box.left(); x <= box.right(); ++x) runs({x, box.top()}, {0, 1}, box.height());
    return module;
}

TEST_F(TavroRenderCodeTest, EverySymbologyReadsBackToItsText)
{
    const struct {
        QStringList options;
        ZXing::BarcodeFormat format;
        QString text;
    } cases[] = {
        {{u"--code"_s, u"https://tavro.example/job/42"_s}, ZXing::BarcodeFormat::QRCode, {}},
        {{u"--code"_s, u"Birke – 白樺"_s, u"--error-correction"_s, u"h"_s},
         ZXing::BarcodeFormat::QRCode,
         {}},
        {{u"--code"_s, u"Tavro Laser 2026"_s, u"--symbology"_s, u"datamatrix"_s},
         ZXing::BarcodeFormat::DataMatrix,
         {}},
        {{u"--code"_s, u"Tavro Öl"_s, u"--symbology"_s, u"code128"_s},
         ZXing::BarcodeFormat::Code128,
         {}},
        {{u"--code"_s, u"400638133393"_s, u"--symbology"_s, u"ean13"_s},
         ZXing::BarcodeFormat::EAN13,
         u"4006381333931"_s},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.options.join(u' ').toStdString());
        const QImage grey = board(c.options);
        EXPECT_EQ(readBack(grey, c.format), c.text.isEmpty() ? c.options[1] : c.text);
        // Centred, as a picture with no place asked for is.
        const QRect box = blackBox(grey);
        EXPECT_NEAR(box.center().x(), 255.5, 40);
        EXPECT_NEAR(box.center().y(), 255.5, 40);
    }
}

// At a width, the largest whole module whose code with its quiet zone fits in it; placed
// from the board's edges in millimetres; a linear code's bars as high as asked.
TEST_F(TavroRenderCodeTest, ModuleEdgesFallOnWholeDotsAtTheAskedSize)
{
    const int widthDots = int(std::lround(20 * DotsPerMillimetre));  // 268
    const QImage qr = board({u"--code"_s, u"TAVRO"_s, u"--width-mm"_s, u"20"_s, u"--left-mm"_s,
                             u"2"_s, u"--top-mm"_s, u"3"_s});
    const QRect box = blackBox(qr);
    const int module = moduleOf(qr, box, Qt::Horizontal | Qt::Vertical);
    ASSERT_GE(module, 3);
    EXPECT_EQ(box.width() % module, 0);
    const int modules = box.width() / module + 8;  // a QR code's quiet zone is 4 modules a side
    EXPECT_LE(modules * module, widthDots);
    EXPECT_GT(modules * (module + 1), widthDots) << "no larger module fits";
    EXPECT_EQ(box.topLeft(), QPoint(27 + 4 * module, 40 + 4 * module));
    EXPECT_EQ(readBack(qr, ZXing::BarcodeFormat::QRCode), u"TAVRO"_s);

    const QImage bars = board({u"--code"_s, u"A-1"_s, u"--symbology"_s, u"code128"_s,
                               u"--width-mm"_s, u"30"_s, u"--height-mm"_s, u"10"_s});
    const QRect barBox = blackBox(bars);
    EXPECT_GE(moduleOf(bars, barBox, Qt::Horizontal), 3);
    EXPECT_EQ(barBox.height(), 134);
    EXPECT_EQ(readBack(bars, ZXing::BarcodeFormat::Code128), u"A-1"_s);
}

// What cannot be a code, or cannot lie on the board, says why in one line and writes nothing;
// modules too small to burn readably are written with a warning.
TEST_F(TavroRenderCodeTest, RefusalsSayWhyAndSmallModulesAreWarnedOf)
{
    QFile picture(dir.filePath(u"in.png"_s));
    ASSERT_TRUE(QImage(4, 4, QImage::Format_RGB32).save(picture.fileName()));
    const std::pair<QStringList, QString> refused[] = {
        {{picture.fileName(), u"--code"_s, u"x"_s}, u"give INPUT or --code, not both"_s},
        {{u"--code"_s, u"x"_s, u"--effect"_s, u"bw"_s}, u"--effect is for pictures"_s},
        {{u"--code"_s, u"x"_s, u"--preset"_s, u"Oak"_s}, u"--preset is for pictures"_s},
        {{u"--code"_s, u"x"_s, u"--mirror"_s, u"h"_s}, u"--mirror is for pictures"_s},
        {{u"--code"_s, u"x"_s, u"--symbology"_s, u"pdf417"_s}, u"not 'pdf417'"_s},
        {{u"--code"_s, u"x"_s, u"--symbology"_s, u"code128"_s, u"--error-correction"_s, u"H"_s},
         u"--error-correction is for QR codes only"_s},
        {{picture.fileName(), u"--effect"_s, u"bw"_s, u"--symbology"_s, u"qr"_s},
         u"--symbology goes with --code"_s},
        {{u"--code"_s, u""_s}, u"There is no text"_s},
        {{u"--code"_s, u"4006381333932"_s, u"--symbology"_s, u"ean13"_s},
         u"for 400638133393 it is 1, not 2"_s},
        {{u"--code"_s, QString(2000, u'x')}, u"the board is 512 dots a side"_s},
        {{u"--code"_s, u"x"_s, u"--width-mm"_s, u"1"_s}, u"cannot be 1.0 mm wide"_s},
        {{u"--code"_s, u"x"_s, u"--left-mm"_s, u"36"_s}, u"would not lie wholly on the board"_s},
        {{u"--code"_s, u"x"_s, u"--symbology"_s, u"code128"_s, u"--height-mm"_s, u"39"_s},
         u"would not lie wholly on the board"_s},
    };
    for (const auto &[options, reason] : refused) {
        const auto [status, errors] = run(options + QStringList{u"--png"_s, out});
        EXPECT_EQ(status, 2) << qPrintable(options.join(u' '));
        EXPECT_TRUE(errors.startsWith(u"tavro-render: "_s)) << qPrintable(errors);
        EXPECT_TRUE(errors.contains(reason)) << qPrintable(errors);
        EXPECT_EQ(errors.count(u'\n'), 1) << qPrintable(errors);
        EXPECT_FALSE(QFile::exists(out)) << qPrintable(options.join(u' '));
    }
    // 5 mm is 67 dots; a QR code of 21 modules and its quiet zone gets 2 dots a module.
    const auto [status, errors] =
        run({u"--code"_s, u"x"_s, u"--width-mm"_s, u"5"_s, u"--png"_s, out});
    EXPECT_EQ(status, 0);
    EXPECT_EQ(errors,
              u"tavro-render: modules of 2 dots burn unreadably on wood; a larger code "
              u"reads better\n"_s);
    EXPECT_TRUE(QFile::exists(out));
}

}  // namespace
