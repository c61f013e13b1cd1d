// The recent list in the settings file: names it can hold, each change in one write, whole or
// not at all.
#include "shell/recent_files.h"
#include "file_size_limit.h"
#include "settings/profile_file.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tavro;
using namespace Qt::Literals::StringLiterals;

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Ten keys written one by one left a list half changed when the disk filled up between them.
TEST(RecentFiles, AChangeIsOneWholeWrite)
{
    const QTemporaryDir dir;
    const QString path = dir.filePath(u"Config.ini"_s);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[MainWindow]\r\nLanguage=1\r\n");
    file.close();
    settings::ProfileFile settings(path);
    shell::RecentFiles recent(settings);
    const QString picture = u"/"_s + QString(200, u'p') + u".png"_s;

    const QByteArray before = contents(path);
    {
        // Room for the first key of the list alone, not for all ten.
        const test::FileSizeLimit fullDisk(rlim_t(before.size() + 240));
        recent.add(picture);
    }
    EXPECT_EQ(contents(path), before);

    recent.add(picture);
    EXPECT_EQ(contents(path), before + "[RecentFiles]\r\nFile1=" + picture.toLatin1() +
                                  "\r\nFile2=\r\nFile3=\r\nFile4=\r\nFile5=\r\nFile6=\r\n"
                                  "File7=\r\nFile8=\r\nFile9=\r\nFile10=\r\n");
}

TEST(RecentFiles, ANameTheSettingsFileCannotHoldIsNotKept)
{
    const QTemporaryDir dir;
    settings::ProfileFile settings(dir.filePath(u"Config.ini"_s));
    shell::RecentFiles recent(settings);
    recent.add(u"/pictures/a.png"_s);
    recent.add(u"/pictures/line\nbreak.png"_s);
    EXPECT_EQ(recent.paths(), QStringList{u"/pictures/a.png"_s});
}

}  // namespace
