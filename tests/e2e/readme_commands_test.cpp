// The README's command lines name programs that the README's own build command builds.
#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

QString sourceFile(const QString &path)
{
    QFile file(QDir(QStringLiteral(TAVRO_SOURCE_DIR)).filePath(path));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The targets `scripts/run` builds.
QSet<QString> targetsBuiltByRun()
{
    static const QRegularExpression targets(u"--target((?: [\\w-]+)+)"_s);
    QSet<QString> built;
    const QRegularExpressionMatch match = targets.match(sourceFile(u"scripts/run"_s));
    for (const QString &name : match.captured(1).split(u' ', Qt::SkipEmptyParts)) built << name;
    return built;
}

TEST(Readme, EveryProgramItNamesIsBuiltWhereItSays)
{
    const QString readme = sourceFile(u"README.md"_s);
    ASSERT_FALSE(readme.isEmpty());
    const QSet<QString> built = targetsBuiltByRun();
    ASSERT_FALSE(built.isEmpty());
    static const QRegularExpression named(u"\\bbuild/([\\w./-]+)/([\\w-]+)\\b"_s);
    int programs = 0;
    for (auto it = named.globalMatch(readme); it.hasNext(); ++programs) {
        const QRegularExpressionMatch match = it.next();
        const QString folder = match.captured(1), program = match.captured(2);
        EXPECT_TRUE(built.contains(program))
            << program.toStdString() << " is not built by scripts/run";
        const QRegularExpression defined(u"add_executable\\(\\s*"_s + program + u"\\b"_s);
        EXPECT_TRUE(defined.match(sourceFile(folder + u"/CMakeLists.txt"_s)).hasMatch())
            << program.toStdString() << " is not made in " << folder.toStdString();
    }
    EXPECT_GE(programs, 3);
}

TEST(Readme, EveryCommandLineStartsWithSomethingThatRuns)
{
    // Command lines are the indented lines; placeholders and alternatives (a|b) would
    // not run as typed.
    int lines = 0;
    for (const QString &line : sourceFile(u"README.md"_s).split(u'\n')) {
        if (!line.startsWith(u"    "_s) || line.trimmed().isEmpty()) continue;
        ++lines;
        QStringList words = line.trimmed().split(u' ', Qt::SkipEmptyParts);
        while (!words.isEmpty() && words.first().contains(u'=')) words.removeFirst();
        ASSERT_FALSE(words.isEmpty()) << line.toStdString();
        const QString command = words.first();
        // Besides our own, only the system's build and install tools.
        const QStringList system = {u"cmake"_s, u"sudo"_s};
        EXPECT_TRUE(command.startsWith(u"scripts/"_s) || command.startsWith(u"build/"_s) ||
                    system.contains(command))
            << line.toStdString();
        if (command.startsWith(u"scripts/"_s)) {
            EXPECT_TRUE(QFile::exists(QDir(QStringLiteral(TAVRO_SOURCE_DIR)).filePath(command)))
                << line.toStdString();
        }
        EXPECT_FALSE(line.contains(u'|')) << line.toStdString();
        // Files named by relative paths come with the tree, or are made in a build folder.
        static const QRegularExpression buildFolder(u"^(\\./)?build(-\\w+)?/"_s);
        for (const QString &word : words.mid(1)) {
            if (!word.contains(u'/') || word.startsWith(u'/') || word.startsWith(u'-')) continue;
            if (buildFolder.match(word).hasMatch()) continue;
            EXPECT_TRUE(QFile::exists(QDir(QStringLiteral(TAVRO_SOURCE_DIR)).filePath(word)))
                << word.toStdString() << " in " << line.toStdString();
        }
    }
    EXPECT_GE(lines, 5);
}

// scripts/run, scripts/test and the package each build in a folder of their own, so that
// going from one to another rebuilds nothing.
TEST(Readme, EachBuildConfigurationHasAFolderOfItsOwn)
{
    static const QRegularExpression configure(
        u"cmake -S \\S+ -B (\\S+) .*-DCMAKE_BUILD_TYPE=(\\w+)"_s);
    QHash<QString, QSet<QString>> typesOfFolder;
    for (const QString &file : {u"README.md"_s, u"scripts/run"_s, u"scripts/test"_s}) {
        for (auto it = configure.globalMatch(sourceFile(file)); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            QString folder = match.captured(1);
            folder.remove(u"\"$root/"_s).remove(u'"');
            typesOfFolder[folder] << match.captured(2);
        }
    }
    EXPECT_GE(typesOfFolder.size(), 3);
    for (auto it = typesOfFolder.cbegin(); it != typesOfFolder.cend(); ++it)
        EXPECT_EQ(it->size(), 1) << it.key().toStdString() << " is built in several ways";
}

}  // namespace
