// Material presets: kept in the settings folder, exported and imported unchanged, bad files
// refused with a reason and nothing lost.
#include "materials/material_presets.h"
#include "common/preset_option.h"
#include "outcome_assert.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <future>

using namespace Qt::Literals::StringLiterals;

namespace tavro::materials {
namespace {

QList<MaterialPreset> samples()
{
    return {
        {.name = u"Birch plywood 3 mm"_s,
         .burnTime = 28,
         .tuning = {.grey = render::GreySource::Luma,
                    .gamma = 1.35,
                    .method = render::Effect::Atkinson,
                    .compensateDotGain = true,
                    .dotDiameter = 1.45},
         .material = qRgb(0xE0, 0xC8, 0x9A),
         .burn = qRgb(0x30, 0x1C, 0x10),
         .notes = u"Lightly sanded.\nSecond line \\n with a backslash; = [x]"_s},
        {.name = u"  leading blanks are not kept"_s.trimmed()},
        {.name = u"Kork \"natur\" = [1]; 软木"_s, .burnTime = 100, .notes = u"  spaced  "_s},
    };
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList namesOf(const QList<MaterialPreset> &presets)
{
    QStringList names;
    for (const MaterialPreset &preset : presets) names << preset.name;
    return names;
}

TEST(MaterialPresets, KeptInTheSettingsFolderAndReadBack)
{
    QTemporaryDir folder;
    MaterialPresets presets(folder.path());
    QSignalSpy changed(&presets, &MaterialPresets::presetsChanged);
    for (const MaterialPreset &preset : samples()) ASSERT_TRUE(isDone(presets.save(preset)));
    EXPECT_EQ(changed.size(), 3);
    EXPECT_EQ(MaterialPresets(folder.path()).presets(), samples());
    EXPECT_TRUE(QFile::exists(folder.filePath(u"Materials.ini"_s)));

    MaterialPreset changedBurn = samples()[1];
    changedBurn.burnTime = 7;
    ASSERT_TRUE(isDone(presets.save(changedBurn)));
    ASSERT_TRUE(isDone(presets.remove(samples()[0].name)));
    const QList<MaterialPreset> expected{changedBurn, samples()[2]};
    EXPECT_EQ(presets.presets(), expected) << "replaced in place, removed";
    EXPECT_EQ(MaterialPresets(folder.path()).presets(), expected);
}

TEST(MaterialPresets, RoundTripThroughExportAndImportUnchanged)
{
    QTemporaryDir here, there;
    MaterialPresets presets(here.path());
    for (const MaterialPreset &preset : samples()) ASSERT_TRUE(isDone(presets.save(preset)));
    const QString exported = here.filePath(u"shared presets.ini"_s);
    ASSERT_TRUE(isDone(presets.exportTo(exported)));

    MaterialPresets other(there.path());
    const platform::Result<int> imported = other.importFrom(exported);
    ASSERT_TRUE(imported.ok()) << qPrintable(imported.why());
    EXPECT_EQ(*imported, 3);
    EXPECT_EQ(other.presets(), samples());
    // Imported again: the same names are replaced, nothing doubles.
    const platform::Result<int> again = other.importFrom(exported);
    ASSERT_TRUE(again.ok()) << qPrintable(again.why());
    EXPECT_EQ(*again, 3);
    EXPECT_EQ(MaterialPresets(there.path()).presets(), samples());
}

TEST(MaterialPresets, BadFilesAreRefusedWithAReasonAndLoseNothing)
{
    QTemporaryDir folder;
    MaterialPresets presets(folder.path());
    ASSERT_TRUE(isDone(presets.save(samples()[0])));
    write(folder.filePath(u"photo.ini"_s), "[Camera]\r\nModel=X\r\n");
    write(folder.filePath(u"newer.ini"_s), "[Materials]\r\nVersion=2\r\nCount=1\r\n");
    write(folder.filePath(u"binary.ini"_s), QByteArray(3000, '\xFF'));
    QDir(folder.path()).mkdir(u"folder.ini"_s);
    const std::pair<QString, QString> cases[] = {
        {u"photo.ini"_s, u"holds no material presets"_s},  {u"newer.ini"_s, u"newer Tavro Laser"_s},
        {u"binary.ini"_s, u"holds no material presets"_s}, {u"folder.ini"_s, u"cannot be read"_s},
        {u"missing.ini"_s, u"cannot be read"_s},
    };
    for (const auto &[name, reason] : cases) {
        const platform::Result<int> imported = presets.importFrom(folder.filePath(name));
        EXPECT_FALSE(imported.ok());
        EXPECT_TRUE(imported.why().contains(reason)) << qPrintable(imported.why());
    }
    EXPECT_EQ(presets.presets(), QList<MaterialPreset>{samples()[0]});
    EXPECT_FALSE(presets.exportTo(folder.filePath(u"folder.ini"_s)).ok());
}

TEST(MaterialPresets, BadStoredValuesFallBackKeyByKey)
{
    QTemporaryDir folder;
    write(folder.filePath(u"Materials.ini"_s),
          "[Materials]\r\nVersion=1\r\nCount=4\r\n"
          "[Preset1]\r\nName=Oak\r\nBurnTime=0\r\nMethod=sepia\r\nMaterial=red\r\n"
          "Burn=#12345\r\nDotDiameter=9\r\n"
          "[Preset2]\r\nBurnTime=30\r\n"
          "[Preset3]\r\nName=Oak\r\nBurnTime=55\r\n"
          "[Preset4]\r\nName=Maple\r\nBurnTime=33\r\nBurn=#102030\r\n");
    const MaterialPresets presets(folder.path());
    ASSERT_EQ(presets.presets().size(), 2) << "no name, no preset; the first of a name counts";
    EXPECT_EQ(presets.presets()[0], MaterialPreset{.name = u"Oak"_s});
    EXPECT_EQ(presets.presets()[1],
              (MaterialPreset{.name = u"Maple"_s, .burnTime = 33, .burn = qRgb(0x10, 0x20, 0x30)}));
}

TEST(MaterialPresets, RefusesWhatCannotBeAPreset)
{
    QTemporaryDir folder;
    MaterialPresets presets(folder.path());
    const MaterialPreset refused[] = {
        {.name = QString()},
        {.name = u"   "_s},
        {.name = u" Oak"_s},
        {.name = u"two\nlines"_s},
        {.name = QString(65, u'x')},
        {.name = u"Oak"_s, .burnTime = 101},
        {.name = u"Oak"_s, .tuning = {.dotDiameter = 0.1}},
    };
    for (const MaterialPreset &preset : refused)
        EXPECT_FALSE(presets.save(preset).ok()) << qPrintable(preset.name);
    EXPECT_TRUE(presets.presets().isEmpty());
    EXPECT_FALSE(QFile::exists(presets.path()));
}

TEST(MaterialPresets, ChosenMaterialGivesTheViewItsColours)
{
    QTemporaryDir folder;
    MaterialPresets presets(folder.path());
    ASSERT_TRUE(isDone(presets.save(samples()[0])));
    EXPECT_EQ(presets.look(1.7), (render::BurnLook{.dotDiameter = 1.7}));
    presets.setChosen(samples()[0].name);
    presets.setAsItWillBurn(true);
    const MaterialPresets again(folder.path());
    EXPECT_EQ(again.chosen(), samples()[0].name);
    EXPECT_TRUE(again.asItWillBurn());
    EXPECT_EQ(again.look(1.7), (render::BurnLook{1.7, samples()[0].material, samples()[0].burn}));
}

// As two programs would: each saves while the other does, and one that read the file before
// the other's save and wrote after it would drop that preset.
TEST(MaterialPresets, TwoWritersSavingAtOnceLoseNoPreset)
{
    QTemporaryDir folder;
    constexpr int Saves = 12;
    const auto saveAll = [&folder](const QString &prefix) {
        MaterialPresets presets(folder.path());
        QStringList errors;
        for (int i = 0; i < Saves; ++i)
            errors << presets.save({.name = prefix + QString::number(i)}).why();
        errors.removeAll(QString());
        return errors;
    };
    auto first = std::async(std::launch::async, saveAll, u"A"_s);
    auto second = std::async(std::launch::async, saveAll, u"B"_s);
    EXPECT_EQ(first.get(), QStringList());
    EXPECT_EQ(second.get(), QStringList());
    EXPECT_EQ(MaterialPresets(folder.path()).presets().size(), 2 * Saves);
}

TEST(MaterialPresets, AFileOfANewerVersionIsNeverWritten)
{
    QTemporaryDir folder, other;
    MaterialPresets source(other.path());
    ASSERT_TRUE(isDone(source.save(samples()[0])));
    const QString exchange = other.filePath(u"exchange.ini"_s);
    ASSERT_TRUE(isDone(source.exportTo(exchange)));
    const QByteArray versions[] = {"2", "99999999999"};
    for (const QByteArray &version : versions) {
        const QByteArray newer = "[Materials]\r\nVersion=" + version +
                                 "\r\nCount=3\r\n[Preset1]\r\nName=A\r\n[Preset2]\r\n"
                                 "Name=B\r\n[Preset3]\r\nName=C\r\nShape=round\r\n";
        write(folder.filePath(u"Materials.ini"_s), newer);
        MaterialPresets presets(folder.path());
        const QString reason =
            u"newer version of Tavro Laser (version %1)"_s.arg(QString::fromLatin1(version));
        EXPECT_TRUE(presets.problem().contains(reason)) << qPrintable(presets.problem());
        for (const QString &error : {presets.save(samples()[1]).why(), presets.remove(u"A"_s).why(),
                                     presets.importFrom(exchange).why()})
            EXPECT_TRUE(error.contains(reason)) << qPrintable(error);
        presets.setChosen(u"A"_s);
        presets.setAsItWillBurn(true);
        EXPECT_EQ(contents(presets.path()), newer);
    }
}

TEST(MaterialPresets, ACountThatDoesNotMatchTheSectionsIsIgnored)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"Materials.ini"_s);
    const QByteArray sections =
        "[Preset3]\r\nName=Cork\r\n[Preset1]\r\nName=Oak\r\n[Preset12]\r\nName=Elm\r\n"
        "[Preset2]\r\nName=\r\n[Preset05]\r\nName=Ash\r\n";
    for (const QByteArray count : {"2147483648", "0", "7", "-1", "x"}) {
        write(path, "[Materials]\r\nVersion=1\r\nCount=" + count + "\r\n" + sections);
        const QStringList expected{u"Oak"_s, u"Cork"_s, u"Elm"_s};
        EXPECT_EQ(namesOf(MaterialPresets(folder.path()).presets()), expected) << count.data();
    }
    MaterialPresets presets(folder.path());
    ASSERT_TRUE(isDone(presets.remove(u"Oak"_s)));
    ASSERT_TRUE(isDone(presets.save({.name = u"Pine"_s})));
    const QStringList expected{u"Cork"_s, u"Elm"_s, u"Pine"_s};
    EXPECT_EQ(namesOf(MaterialPresets(folder.path()).presets()), expected);
    EXPECT_TRUE(contents(path).contains("Count=3\r\n"));
}

// The command-line tools say why no preset could be found, not that none is saved.
TEST(MaterialPresets, PresetOptionSaysWhyThePresetsCouldNotBeRead)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"Materials.ini"_s);
    const auto readOak = [&folder] {
        QCommandLineParser parser;
        cli::addPresetOption(parser);
        EXPECT_TRUE(parser.parse({u"tool"_s, u"--preset"_s, u"Oak"_s}));
        cli::RenderChoice choice;
        return cli::readPresetOption(parser, folder.path(), choice).why();
    };
    write(path, "[Materials]\r\nVersion=3\r\n[Preset1]\r\nName=Oak\r\n");
    EXPECT_TRUE(readOak().contains(u"(version 3)"_s)) << qPrintable(readOak());
    write(path, QByteArray(settings::ProfileFile::MaxFileSize + 1, ' '));
    EXPECT_TRUE(readOak().contains(u"too large"_s)) << qPrintable(readOak());
    QFile::remove(path);
    QDir(folder.path()).mkdir(u"Materials.ini"_s);
    EXPECT_TRUE(readOak().contains(u"cannot be read: a folder"_s)) << qPrintable(readOak());
}

}  // namespace
}  // namespace tavro::materials
