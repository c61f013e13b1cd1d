// The settings file: profile reading rules, line-preserving writes, bad files, and its folder.
#include "settings/profile_file.h"
#include "settings/settings_folder.h"

#include "file_size_limit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>

#include <cstdio>

using namespace tavro::settings;
using namespace Qt::Literals::StringLiterals;

namespace {

class ProfileFileTest : public ::testing::Test {
protected:
    void put(const QByteArray &bytes)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }
    QByteArray contents() const
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    QString path = dir.filePath(u"Config.ini"_s);
    ProfileFile file{path};
};

TEST_F(ProfileFileTest, MissingFileSectionOrKeyGivesTheDefault)
{
    EXPECT_EQ(file.read(u"Front"_s, u"Name"_s, u"Arial"_s), u"Arial"_s);
    EXPECT_FALSE(QFileInfo::exists(path));

    put("[MainWindow]\r\nLanguage=1\r\nNoEquals\r\n; Size=9\r\n");
    const struct {
        QString section, key;
    } cases[] = {{u"Front"_s, u"Name"_s},          {u"MainWindow"_s, u"Size"_s},
                 {u"MainWindow"_s, u""_s},         {u""_s, u"Language"_s},
                 {u"MainWindow"_s, u"NoEquals"_s}, {u"MainWindow"_s, u"; Size"_s}};
    for (const auto &c : cases)
        EXPECT_EQ(file.read(c.section, c.key, u"dflt"_s), u"dflt"_s) << c.key.toStdString();
}

TEST_F(ProfileFileTest, NamesIgnoreCaseBlanksAndControlCharacters)
{
    put(" \t[ mainWINDOW ]\r\n\x01  LANGUAGE \t=  3  \r\n");
    const QString sections[] = {u"MainWindow"_s, u"  MAINWINDOW\t"_s, u"\x02mainwindow"_s};
    const QString keys[] = {u"Language"_s, u"language "_s, u"\tLANGUAGE"_s};
    for (const auto &s : sections)
        for (const auto &k : keys)
            EXPECT_EQ(file.read(s, k, u"0"_s), u"3"_s) << QString(s + u'/' + k).toStdString();

    put("[Schrift \xC3\x84\xC3\x96\xC3\x9C]\r\nGr\xC3\xB6\xC3\x9F"
        "e=5\r\n");
    EXPECT_EQ(file.read(u"schrift äöü"_s, u"GRÖßE"_s, u"0"_s), u"5"_s);
    EXPECT_EQ(file.read(u"schrift aou"_s, u"GRÖßE"_s, u"0"_s), u"0"_s);
}

TEST_F(ProfileFileTest, ValuesAreTrimmedAndUnquotedButNeverInterpreted)
{
    const struct {
        const char *line;
        QString value;
    } cases[] = {
        {"Language=2.7", u"2.7"_s},       {"Language=abc", u"abc"_s},
        {"Language=-3", u"-3"_s},         {"Language=  9 ", u"9"_s},
        {"Language=\"  9 \"", u"  9 "_s}, {"Language='x'", u"x"_s},
        {"Language=\"x", u"\"x"_s},       {"Language=\"x'", u"\"x'"_s},
        {"Language=a=b", u"a=b"_s},       {"Language=", u""_s},
        {"Language=\"\"", u""_s},         {"Language=; not a comment", u"; not a comment"_s},
    };
    for (const auto &c : cases) {
        put("[MainWindow]\r\n" + QByteArray(c.line) + "\r\n");
        EXPECT_EQ(file.read(u"MainWindow"_s, u"Language"_s, u"dflt"_s), c.value) << c.line;
    }
}

TEST_F(ProfileFileTest, EveryLineEndCountsAndTheFirstDuplicateWins)
{
    put("\xEF\xBB\xBF[A]\nx=1\r[B]\r\ny=2\rx=3\n[a]\r\nx=4\r\nz=5\r\n[b]\ny=6");
    EXPECT_EQ(file.read(u"A"_s, u"x"_s, u"-"_s), u"1"_s);
    EXPECT_EQ(file.read(u"B"_s, u"y"_s, u"-"_s), u"2"_s);
    EXPECT_EQ(file.read(u"B"_s, u"x"_s, u"-"_s), u"3"_s);
    // Only the first section of a name is consulted, by reads and writes alike.
    EXPECT_EQ(file.read(u"A"_s, u"z"_s, u"-"_s), u"-"_s);
    ASSERT_TRUE(file.write(u"a"_s, u"z"_s, u"7"_s));
    EXPECT_EQ(contents(),
              "\xEF\xBB\xBF[A]\nx=1\rz=7\r\n[B]\r\ny=2\rx=3\n[a]\r\nx=4\r\nz=5\r\n[b]\ny=6");
}

// The file is parsed once while it stays the same; one that another writer replaced, or
// that was rewritten in place, is read again.
TEST_F(ProfileFileTest, ReadsFollowTheFileWhenItChanges)
{
    put("[S]\r\nk=1\r\n");
    EXPECT_EQ(file.read(u"S"_s, u"k"_s, u"-"_s), u"1"_s);
    const QString other = dir.filePath(u"other.ini"_s);
    QFile replacement(other);
    ASSERT_TRUE(replacement.open(QIODevice::WriteOnly));
    replacement.write("[S]\r\nk=2\r\n");  // the same size
    replacement.close();
    ASSERT_EQ(::rename(QFile::encodeName(other).constData(), QFile::encodeName(path).constData()),
              0);
    EXPECT_EQ(file.read(u"S"_s, u"k"_s, u"-"_s), u"2"_s);
    put("[S]\r\nk=33\r\n");
    EXPECT_EQ(file.read(u"S"_s, u"k"_s, u"-"_s), u"33"_s);
}

// One read-modify-write: every key or none.
TEST_F(ProfileFileTest, BatchWritesSeveralKeysAndSectionsOrNothing)
{
    put("[A]\r\nx=1\r\n");
    EXPECT_TRUE(file.write(
        {{u"A"_s, u"x"_s, u"2"_s}, {u"B"_s, u"y"_s, u" 3 "_s}, {u"A"_s, u"z"_s, u"4"_s}}));
    EXPECT_EQ(contents(), "[A]\r\nx=2\r\nz=4\r\n[B]\r\ny=\" 3 \"\r\n");

    const QByteArray before = contents();
    EXPECT_FALSE(file.write({{u"A"_s, u"x"_s, u"5"_s}, {u"B"_s, u"bad=key"_s, u"6"_s}}));
    EXPECT_EQ(contents(), before);
    EXPECT_TRUE(file.lastError().contains(u"bad=key"_s));
    EXPECT_TRUE(file.write(QList<ProfileFile::Setting>{}));

    // The same as writing them one after another: a key set twice, new keys in a section and
    // in a new one named twice, a file that ends without a line break.
    const QList<ProfileFile::Setting> settings = {
        {u"a"_s, u"x"_s, u"2"_s}, {u"B"_s, u"z"_s, u"3"_s}, {u"b"_s, u"w"_s, u"4"_s},
        {u"C"_s, u"k"_s, u"5"_s}, {u"c"_s, u"K"_s, u"6"_s}, {u"A"_s, u"X"_s, u"7"_s},
        {u"D"_s, u"q"_s, u""_s}};
    put("[A]\r\nx=1\r\n[B]\ny=2");
    ASSERT_TRUE(file.write(settings));
    const QByteArray together = contents();
    put("[A]\r\nx=1\r\n[B]\ny=2");
    for (const ProfileFile::Setting &setting : settings)
        ASSERT_TRUE(file.write(setting.section, setting.key, setting.value));
    EXPECT_EQ(together, contents());
}

TEST_F(ProfileFileTest, WriteChangesThatLineOnlyAndKeepsItsKeySpelling)
{
    const QByteArray before =
        "; written by hand\n[Front]\nName=Arial\n odd line \r\n\r\n"
        "[MainWindow]\n  language = 1 \n[Other]\r\nLanguage=8\r\n\xff\xfe";
    put(before);
    ASSERT_TRUE(file.write(u"MAINWINDOW"_s, u"Language"_s, u"4"_s));
    QByteArray expected = before;
    expected.replace("  language = 1 \n", "language=4\r\n");
    EXPECT_EQ(contents(), expected);

    ASSERT_TRUE(file.write(u"MainWindow"_s, u"Language"_s, u"5"_s));
    expected.replace("language=4\r\n", "language=5\r\n");
    EXPECT_EQ(contents(), expected);
    EXPECT_EQ(file.read(u"Other"_s, u"Language"_s, u"-"_s), u"8"_s);
}

TEST_F(ProfileFileTest, NewKeyGoesAfterTheLastKeyOfItsSection)
{
    const struct {
        const char *before, *after;
    } cases[] = {
        {"[A]\r\nx=1\r\n; note\r\n\r\n[B]\r\ny=2\r\n",
         "[A]\r\nx=1\r\nz=3\r\n; note\r\n\r\n[B]\r\ny=2\r\n"},
        {"[B]\ny=2\n[A]\n\n[C]\n", "[B]\ny=2\n[A]\nz=3\r\n\n[C]\n"},
        {"[A]\r\nx=1", "[A]\r\nx=1\r\nz=3\r\n"},
        {"[A]", "[A]\r\nz=3\r\n"},
        {"[A]\rx=1\r", "[A]\rx=1\rz=3\r\n"},
    };
    for (const auto &c : cases) {
        put(c.before);
        ASSERT_TRUE(file.write(u"A"_s, u"z"_s, u"3"_s)) << c.before;
        EXPECT_EQ(contents(), QByteArray(c.after)) << c.before;
    }
}

TEST_F(ProfileFileTest, MissingSectionIsAppendedAndMissingFileCreated)
{
    ASSERT_TRUE(file.write(u"MainWindow"_s, u"Language"_s, u"0"_s));
    EXPECT_EQ(contents(), "[MainWindow]\r\nLanguage=0\r\n");

    put("[A]\nx=1");
    ASSERT_TRUE(file.write(u" Front "_s, u"Name"_s, u"Arial"_s));
    EXPECT_EQ(contents(), "[A]\nx=1\r\n[Front]\r\nName=Arial\r\n");
}

TEST_F(ProfileFileTest, FontKeysLandInOrderNextToTheLanguage)
{
    ASSERT_TRUE(file.write(u"MainWindow"_s, u"Language"_s, u"2"_s));
    const QString keys[] = {u"Name"_s, u"Size"_s,          u"Bold"_s,
                            u"Tilt"_s, u"Strikethrough"_s, u"Underline"_s};
    const QString values[] = {u"微软雅黑"_s, u"24"_s, u"1"_s, u"0"_s, u"0"_s, u"0"_s};
    for (int i = 0; i < 6; ++i) ASSERT_TRUE(file.write(u"Front"_s, keys[i], values[i]));
    EXPECT_EQ(contents(),
              "[MainWindow]\r\nLanguage=2\r\n[Front]\r\nName=" + u"微软雅黑"_s.toUtf8() +
                  "\r\nSize=24\r\nBold=1\r\nTilt=0\r\nStrikethrough=0\r\n"
                  "Underline=0\r\n");
    for (int i = 0; i < 6; ++i) EXPECT_EQ(file.read(u"front"_s, keys[i], u"-"_s), values[i]);
    ASSERT_TRUE(file.write(u"字体"_s, u"名称"_s, u"宋体"_s));
    EXPECT_EQ(file.read(u"字体"_s, u"名称"_s, u"-"_s), u"宋体"_s);
}

TEST_F(ProfileFileTest, ValuesThatReadingWouldAlterRoundTripExactly)
{
    const QString values[] = {u""_s,   u"  9 "_s, u"\"x\""_s, u"'y'"_s,
                              u"\t"_s, u"a\"b"_s, u"\""_s,    u"Times New Roman"_s};
    for (const auto &v : values) {
        ASSERT_TRUE(file.write(u"S"_s, u"k"_s, v)) << v.toStdString();
        EXPECT_EQ(file.read(u"S"_s, u"k"_s, u"dflt"_s), v) << v.toStdString();
    }
}

TEST_F(ProfileFileTest, WritesThatWouldNotReadBackAreRefusedAndChangeNothing)
{
    const QByteArray before = "[S]\r\nk=1\r\n";
    put(before);
    const struct {
        QString section, key, value;
    } cases[] = {
        {u""_s, u"k"_s, u"v"_s},    {u"S"_s, u" \t"_s, u"v"_s},
        {u"S"_s, u"a=b"_s, u"v"_s}, {u"S"_s, u";k"_s, u"v"_s},
        {u"S"_s, u"[k]"_s, u"v"_s}, {u"S"_s, u"k"_s, u"2\r\n[S]\r\nk=3"_s},
        {u"S"_s, u"k"_s, u"2\r"_s}, {u"S\n[T]"_s, u"k"_s, u"v"_s},
    };
    for (const auto &c : cases) {
        EXPECT_FALSE(file.write(c.section, c.key, c.value))
            << QString(c.section + u'/' + c.key + u'/' + c.value).toStdString();
        EXPECT_EQ(contents(), before);
    }
}

TEST_F(ProfileFileTest, UnwritablePlacesFailWithoutHarm)
{
    // A path below a regular file cannot be created, not even by root.
    put("[S]\r\nk=1\r\n");
    ProfileFile below(path + u"/Config.ini"_s);
    EXPECT_EQ(below.read(u"S"_s, u"k"_s, u"dflt"_s), u"dflt"_s);
    EXPECT_FALSE(below.write(u"S"_s, u"k"_s, u"2"_s));
    EXPECT_EQ(contents(), "[S]\r\nk=1\r\n");

    const QString folderPath = dir.filePath(u"folder.ini"_s);
    ASSERT_TRUE(QDir().mkdir(folderPath));
    ProfileFile folder(folderPath);
    EXPECT_EQ(folder.read(u"S"_s, u"k"_s, u"dflt"_s), u"dflt"_s);
    EXPECT_FALSE(folder.write(u"S"_s, u"k"_s, u"2"_s));
    EXPECT_TRUE(QFileInfo(folderPath).isDir());
}

TEST_F(ProfileFileTest, AFullDiskLeavesTheOldFileWhole)
{
    const QByteArray old =
        "[MainWindow]\r\nLanguage=3\r\n[Front]\r\nName=" + QByteArray(6000, 'x') + "\r\n";
    put(old);
    {
        const tavro::test::FileSizeLimit fullDisk(4096);
        EXPECT_FALSE(file.write(u"MainWindow"_s, u"Language"_s, u"5"_s));
    }
    EXPECT_EQ(contents(), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{u"Config.ini"_s});
}

TEST_F(ProfileFileTest, GarbageBytesAreKeptAndNeverMisread)
{
    std::mt19937 random(7);
    QByteArray garbage(64 * 1024, '\0');
    for (auto &b : garbage) b = static_cast<char>(random() & 0xFF);
    put(garbage);
    EXPECT_EQ(file.read(u"Front"_s, u"Name"_s, u"Arial"_s), u"Arial"_s);
    ASSERT_TRUE(file.write(u"Front"_s, u"Name"_s, u"Noto"_s));
    EXPECT_TRUE(contents().startsWith(garbage));
    EXPECT_EQ(file.read(u"Front"_s, u"Name"_s, u"Arial"_s), u"Noto"_s);

    const QByteArray broken =
        "[Front]\r\nName=\xff\xfe"
        "AB\xc3\r\n[\xc3\x28]\r\nSize=9\r\n";
    put(broken);
    EXPECT_TRUE(file.read(u"Front"_s, u"Name"_s, u"-"_s).contains(u"AB"_s));
    ASSERT_TRUE(file.write(u"Front"_s, u"Size"_s, u"10"_s));
    EXPECT_EQ(contents(), QByteArray(broken).insert(21, "Size=10\r\n"));
}

TEST_F(ProfileFileTest, LongValuesAreCutAndHugeFilesLeftAlone)
{
    put("[S]\r\nk=" + QByteArray(20000, 'x') + "\r\n");
    EXPECT_EQ(file.read(u"S"_s, u"k"_s, u"-"_s), QString(ProfileFile::MaxValueLength, u'x'));

    // U+1F600 takes two UTF-16 units: the cut must not split one.
    QByteArray emoji;
    for (int i = 0; i < 6000; ++i) emoji += "\xF0\x9F\x98\x80";
    put("[S]\r\nk=" + emoji + "\r\n");
    const QString value = file.read(u"S"_s, u"k"_s, u"-"_s);
    EXPECT_EQ(value.size(), ProfileFile::MaxValueLength - 1);
    EXPECT_TRUE(value.back().isLowSurrogate());

    put("[S]\r\nk=1\r\n");
    QFile f(path);
    ASSERT_TRUE(f.resize(ProfileFile::MaxFileSize + 1));
    EXPECT_EQ(file.read(u"S"_s, u"k"_s, u"dflt"_s), u"dflt"_s);
    EXPECT_FALSE(file.write(u"S"_s, u"k"_s, u"2"_s));
    EXPECT_EQ(QFileInfo(path).size(), ProfileFile::MaxFileSize + 1);

    // Nor is a file written that would no longer be read.
    ASSERT_TRUE(f.resize(ProfileFile::MaxFileSize - 4));
    EXPECT_FALSE(file.write(u"S"_s, u"k"_s, u"123456"_s));
    EXPECT_TRUE(file.lastError().contains(u"beyond 4 MiB"_s)) << qPrintable(file.lastError());
    EXPECT_EQ(QFileInfo(path).size(), ProfileFile::MaxFileSize - 4);
    EXPECT_EQ(file.read(u"S"_s, u"k"_s, u"dflt"_s), u"1"_s);
}

// Restores the variables the settings folder depends on.
class EnvironmentGuard {
public:
    EnvironmentGuard()
    {
        for (const char *name : Names)
            m_saved.push_back({name, qEnvironmentVariableIsSet(name), qgetenv(name)});
    }
    ~EnvironmentGuard()
    {
        for (const auto &s : m_saved) s.set ? qputenv(s.name, s.value) : qunsetenv(s.name);
    }

private:
    static constexpr const char *Names[] = {"TAVRO_HOME", "XDG_CONFIG_HOME", "HOME"};
    struct Saved {
        const char *name;
        bool set;
        QByteArray value;
    };
    std::vector<Saved> m_saved;
};

TEST(SettingsFolder, TavroHomeThenXdgConfigThenHome)
{
    const EnvironmentGuard guard;
    const struct {
        const char *tavroHome, *xdgConfig, *home;
        QString folder;
    } cases[] = {
        {"/t/home/", "/x", "/h", u"/t/home"_s},
        {"", "/x/cfg", "/h", u"/x/cfg/Tavro"_s},
        {"", "", "/h/op", u"/h/op/.config/Tavro"_s},
        {"", "relative", "/h/op", u"/h/op/.config/Tavro"_s},
    };
    for (const auto &c : cases) {
        qputenv("TAVRO_HOME", c.tavroHome);
        qputenv("XDG_CONFIG_HOME", c.xdgConfig);
        qputenv("HOME", c.home);
        EXPECT_EQ(settingsFolder(), c.folder) << c.tavroHome << c.xdgConfig;
        EXPECT_EQ(settingsFilePath(), c.folder + u"/Config.ini"_s);
    }
}

TEST(SettingsFolder, EnsureCreatesParentsAndFailsBelowAFile)
{
    const EnvironmentGuard guard;
    QTemporaryDir dir;
    const QString nested = dir.filePath(u"a/b/Tavro"_s);
    qputenv("TAVRO_HOME", nested.toLocal8Bit());
    EXPECT_TRUE(ensureSettingsFolder());
    EXPECT_TRUE(QFileInfo(nested).isDir());
    EXPECT_TRUE(ensureSettingsFolder());

    QFile blocker(dir.filePath(u"file"_s));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    qputenv("TAVRO_HOME", (blocker.fileName() + u"/Tavro"_s).toLocal8Bit());
    EXPECT_FALSE(ensureSettingsFolder());
}

}  // namespace
