#include "render/picture_tuning.h"

#include "settings/profile_file.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <span>

using namespace Qt::Literals::StringLiterals;

namespace tavro::render {
namespace {

const PictureTuning Tuned{.grey = GreySource::Luma,
                          .brightness = -35,
                          .contrast = 100,
                          .gamma = 0.3,  // no exact binary fraction
                          .invert = true,
                          .threshold = 1,
                          .method = Effect::Bayer};

TEST(PictureTuning, NamesReadBackAndAutoResolvesPerEffect)
{
    for (const Effect effect : AllEffects) EXPECT_EQ(effectFromName(effectName(effect)), effect);
    for (const auto *name : {u"", u"BW", u"floyd", u" fs"})
        EXPECT_FALSE(effectFromName(QStringView(name))) << qPrintable(QString::fromUtf16(name));
    for (const GreySource source :
         {GreySource::Auto, GreySource::Blue, GreySource::Average, GreySource::Luma})
        EXPECT_EQ(greySourceFromName(greySourceName(source)), source);
    EXPECT_FALSE(greySourceFromName(u"red"));

    EXPECT_EQ(resolveGreySource(GreySource::Auto, Effect::BlackWhite), GreySource::Average);
    EXPECT_EQ(resolveGreySource(GreySource::Auto, Effect::Dither), GreySource::Blue);
    for (const Effect effect : std::span(RightPanelEffects).subspan<1>())
        EXPECT_EQ(resolveGreySource(GreySource::Auto, effect), GreySource::Luma);
    EXPECT_EQ(resolveGreySource(GreySource::Blue, Effect::Stucki), GreySource::Blue);
}

TEST(PictureTuning, DefaultsAreNeutralAndRangesAreChecked)
{
    EXPECT_TRUE(PictureTuning{}.hasNeutralTone());
    EXPECT_TRUE(PictureTuning{}.isValid());
    EXPECT_TRUE(Tuned.isValid());
    EXPECT_FALSE(Tuned.hasNeutralTone());
    EXPECT_FALSE(PictureTuning{.gamma = 1.0001}.hasNeutralTone());
    const PictureTuning outside[] = {
        {.brightness = 101},
        {.brightness = -101},
        {.contrast = 101},
        {.contrast = -101},
        {.gamma = 0.19},
        {.gamma = 5.01},
        {.gamma = std::nan("")},
        {.threshold = 0},
        {.threshold = 256},
        {.method = Effect::Threshold},
        {.method = Effect::BlackWhite},
        {.dotDiameter = 0.4},
        {.dotDiameter = 3.1},
    };
    for (const PictureTuning &t : outside)
        EXPECT_FALSE(t.isValid()) << qPrintable(pictureTuningToLines(t).join(u' '));
}

TEST(PictureTuning, LinesRoundTrip)
{
    EXPECT_EQ(pictureTuningToLines({}),
              (QStringList{u"Grey=auto"_s, u"Brightness=0"_s, u"Contrast=0"_s, u"Gamma=1"_s,
                           u"Invert=0"_s, u"Threshold=128"_s, u"Method=dither"_s, u"DotGain=0"_s,
                           u"DotDiameter=1.3"_s}));
    for (const PictureTuning &t :
         {PictureTuning{}, Tuned, PictureTuning{.brightness = 100, .gamma = 5.0},
          PictureTuning{.contrast = -100,
          .gamma = 0.2,
          .threshold = 255,
          .method = Effect::JarvisJudiceNinke},
          PictureTuning{.compensateDotGain = true, .dotDiameter = 2.25}})
        EXPECT_EQ(pictureTuningFromLines(pictureTuningToLines(t)), t);
    // Keys in any case, blanks around names and values, other lines ignored, first wins.
    EXPECT_EQ(pictureTuningFromLines({u"[PictureTuning]"_s, u"  grey = LUMA "_s, u"gamma=2.5"_s,
                                      u"GAMMA=3"_s, u"; a note"_s, u"Colour=red"_s}),
              (PictureTuning{.grey = GreySource::Luma, .gamma = 2.5}));
}

TEST(PictureTuning, BadStoredValuesFallBackKeyByKey)
{
    const QStringList bad = {
        u"Grey=purple"_s,      u"Brightness=abc"_s, u"Contrast=101"_s,
        u"Gamma=nan"_s,        u"Invert=yes"_s,     u"Threshold=0"_s,
        u"Method=threshold"_s, u"DotGain=on"_s,     u"DotDiameter=3.5"_s,
    };
    EXPECT_EQ(pictureTuningFromLines(bad), PictureTuning{});
    const QStringList odd = {u"Brightness=12.5"_s, u"Contrast=-"_s, u"Gamma=0.1"_s, u"Gamma=inf"_s,
                             u"Threshold="_s,      u"Method=bw"_s,  u"Invert=2"_s};
    EXPECT_EQ(pictureTuningFromLines(odd), PictureTuning{});
    // A good key survives bad neighbours.
    QStringList mixed = bad;
    mixed.prepend(u"Method=atkinson"_s);
    mixed.prepend(u"Brightness=-100"_s);
    EXPECT_EQ(pictureTuningFromLines(mixed),
              (PictureTuning{.brightness = -100, .method = Effect::Atkinson}));
}

TEST(PictureTuning, ConfigSectionOfItsOwn)
{
    const QTemporaryDir folder;
    const QString path = folder.filePath(u"Config.ini"_s);
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[MainWindow]\r\nLanguage=3\r\n[PictureTuning]\r\nGamma=zero\r\nInvert=1\r\n");
    }
    settings::ProfileFile settings(path);
    EXPECT_EQ(loadPictureTuning(settings), PictureTuning{.invert = true});
    ASSERT_TRUE(savePictureTuning(settings, Tuned));
    EXPECT_EQ(loadPictureTuning(settings), Tuned);
    EXPECT_EQ(settings.read(u"MainWindow"_s, u"Language"_s, {}), u"3"_s);
    EXPECT_EQ(settings.read(u"PictureTuning"_s, u"Method"_s, {}), u"bayer"_s);
    // An empty or missing file gives the defaults; one that cannot be written says so.
    EXPECT_EQ(loadPictureTuning(settings::ProfileFile(folder.filePath(u"none.ini"_s))),
              PictureTuning{});
    settings::ProfileFile folderAsFile(folder.path());
    EXPECT_FALSE(savePictureTuning(folderAsFile, Tuned));
}

}  // namespace
}  // namespace tavro::render
