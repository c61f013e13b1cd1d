// The folder the simulated engraver's link goes in: the user's own, and the same each run.
#include "platform/runtime_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include <sys/stat.h>
#include <unistd.h>

using namespace tavro::platform;
using namespace Qt::Literals::StringLiterals;

namespace {

// A folder, not a link to one, of this user's alone.
bool isPrivate(const QString &path)
{
    struct stat status = {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISDIR(status.st_mode) &&
           status.st_uid == ::geteuid() && (status.st_mode & 0777) == 0700;
}

TEST(RuntimeFolder, TheUsersOwnRuntimeDirElseTheSameFolderOfItsOwnEachRun)
{
    QTemporaryDir runtime, temp;
    EXPECT_EQ(RuntimeFolder(runtime.path(), temp.path()).path(), runtime.path());

    const QString stable = temp.filePath(u"tavro-%1"_s.arg(::geteuid()));
    ASSERT_EQ(::chmod(QFile::encodeName(runtime.path()).constData(), 0755), 0);
    // Unset, or open to others.
    for (const QString &runtimeDir : {QString(), runtime.path()}) {
        const RuntimeFolder folder(runtimeDir, temp.path());
        EXPECT_EQ(folder.path(), stable) << runtimeDir.toStdString();
        EXPECT_TRUE(isPrivate(folder.path()));
    }
    EXPECT_TRUE(QFileInfo::exists(stable)) << "kept for the next run";
}

// Another user in the shared temp folder took the name first: never a folder they can reach.
TEST(RuntimeFolder, ANameTakenFirstGivesAPrivateFolderOfARandomName)
{
    QTemporaryDir elsewhere;
    const std::function<bool(const QString &)> takers[] = {
        [&](const QString &name) { return QFile::link(elsewhere.path(), name); },
        [](const QString &name) {
            return QDir().mkdir(name) && ::chmod(QFile::encodeName(name).constData(), 0777) == 0;
        },
        [](const QString &name) { return QFile(name).open(QIODevice::WriteOnly); },
        [](const QString &name) {
            // Only root can give a folder to another user.
            return ::geteuid() == 0 && QDir().mkdir(name) &&
                   ::chown(QFile::encodeName(name).constData(), 65534, 65534) == 0 &&
                   ::chmod(QFile::encodeName(name).constData(), 0700) == 0;
        },
    };
    for (const auto &take : takers) {
        QTemporaryDir temp;
        const QString stable = temp.filePath(u"tavro-%1"_s.arg(::geteuid()));
        if (!take(stable)) continue;
        QString made;
        {
            const RuntimeFolder folder({}, temp.path());
            made = folder.path();
            EXPECT_TRUE(made.startsWith(stable + u'-')) << made.toStdString();
            EXPECT_TRUE(isPrivate(made));
        }
        EXPECT_FALSE(QFileInfo::exists(made)) << "a folder of one run goes with it";
        EXPECT_TRUE(QDir(elsewhere.path()).isEmpty());
    }
}

}  // namespace
