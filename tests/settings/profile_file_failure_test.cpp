// The settings file when things go wrong: a full disk, other programs writing, locks left behind.
#include "settings/profile_file.h"

#include <QDateTime>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <chrono>
#include <csignal>
#include <functional>
#include <future>

using namespace tavro::settings;
using namespace Qt::Literals::StringLiterals;
using namespace std::chrono_literals;

namespace {

void put(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A settings file of some kilobytes, so a small limit stops its rewrite half-way.
QByteArray sizeableSettings()
{
    QByteArray bytes = "[MainWindow]\r\nLanguage=1\r\n[Notes]\r\n";
    for (int i = 0; i < 200; ++i) bytes += "Note" + QByteArray::number(i) + "=kept as it was\r\n";
    return bytes;
}

// Writes by this process stop at `bytes`, as on a full disk; the kernel's signal for it is
// ignored so that write() fails with "File too large" instead. Needs no privileges.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        m_set = setrlimit(RLIMIT_FSIZE, &limit) == 0;
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }
    bool isSet() const { return m_set; }

private:
    rlimit m_saved{};
    bool m_set = false;
    void (*m_handler)(int) = SIG_DFL;
};

// Collects the messages of the settings category while it lives.
class SettingsLog {
public:
    SettingsLog() { m_previous = qInstallMessageHandler(&SettingsLog::collect); }
    ~SettingsLog() { qInstallMessageHandler(m_previous); }
    static QStringList &lines()
    {
        static QStringList collected;
        return collected;
    }

private:
    static void collect(QtMsgType, const QMessageLogContext &context, const QString &text)
    {
        if (QByteArrayView(context.category) == "tavro.settings") lines() << text;
    }
    QtMessageHandler m_previous = nullptr;
};

class ProfileFileFailureTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(u"Config.ini"_s);
    ProfileFile file{path};
};

TEST_F(ProfileFileFailureTest, WriteStoppedHalfWayLeavesTheOldFileAndSaysWhy)
{
    const QByteArray before = sizeableSettings();
    put(path, before);
    SettingsLog::lines().clear();
    {
        const SettingsLog log;
        const FileSizeLimit limit(before.size() / 2);
        ASSERT_TRUE(limit.isSet());
        EXPECT_FALSE(file.write(u"MainWindow"_s, u"Language"_s, u"2"_s));
    }
    EXPECT_EQ(contents(path), before);
    EXPECT_TRUE(file.lastError().contains(u"too large"_s)) << qPrintable(file.lastError());
    ASSERT_EQ(SettingsLog::lines().size(), 1);
    EXPECT_TRUE(SettingsLog::lines().first().contains(path));
    EXPECT_TRUE(SettingsLog::lines().first().contains(file.lastError()));
    // Neither the temporary file nor the lock is left behind.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"Config.ini"_s});

    EXPECT_TRUE(file.write(u"MainWindow"_s, u"Language"_s, u"2"_s));
    EXPECT_EQ(file.lastError(), QString());
    EXPECT_EQ(file.read(u"MainWindow"_s, u"Language"_s, u"-"_s), u"2"_s);
}

// A real full disk: a tiny tmpfs in a private mount namespace, filled up, and another
// program writing to it. Skipped where namespaces are not allowed.
TEST_F(ProfileFileFailureTest, FullTmpfsLeavesTheOldFile)
{
    const QString unshare = QStandardPaths::findExecutable(u"unshare"_s);
    if (unshare.isEmpty()) GTEST_SKIP() << "no unshare";
    const QString mountPoint = dir.filePath(u"tiny"_s);
    ASSERT_TRUE(QDir().mkdir(mountPoint));
    const auto inPrivateMount = [&](const QString &script, const QStringList &arguments) {
        auto process = std::make_unique<QProcess>();
        process->start(
            unshare,
            QStringList{u"--user"_s, u"--map-root-user"_s, u"--mount"_s, u"sh"_s, u"-c"_s,
                        u"mount -t tmpfs -o size=16k tmpfs \"$0\" && "_s + script, mountPoint} +
                arguments);
        EXPECT_TRUE(process->waitForFinished(60000));
        return process;
    };
    if (inPrivateMount(u"true"_s, {})->exitCode() != 0)
        GTEST_SKIP() << "mounting a tmpfs in a private namespace is not permitted here";

    const QByteArray before = sizeableSettings();
    const QString source = dir.filePath(u"before.ini"_s);
    put(source, before);
    // One page is left free: enough for the lock file, not for the new file. The writer's
    // status goes to standard error, the file afterwards to standard output.
    const auto run = inPrivateMount(
        u"cp \"$1\" \"$0/Config.ini\" && { dd if=/dev/zero of=\"$0/fill\" bs=4096 2>/dev/null; "
        u"truncate -s -4096 \"$0/fill\"; "
        u"\"$2\" \"$0/Config.ini\" MainWindow Key 1; echo \"status $?\" >&2; "
        u"cat \"$0/Config.ini\"; ls -A \"$0\" >&2; }"_s,
        {source, QStringLiteral(PROFILE_WRITER_PATH)});
    const QString errors = QString::fromLocal8Bit(run->readAllStandardError());
    EXPECT_EQ(run->readAllStandardOutput(), before);
    EXPECT_TRUE(errors.contains(u"No space left on device\nstatus 1\n"_s)) << qPrintable(errors);
    EXPECT_TRUE(errors.endsWith(u"status 1\nConfig.ini\nfill\n"_s)) << qPrintable(errors);
}

// Each writer adds keys of its own; a write that read the file before another's change
// and replaced it after would drop that key.
TEST_F(ProfileFileFailureTest, WritersInSeveralProgramsLoseNothing)
{
    const QStringList prefixes = {u"A"_s, u"B"_s, u"C"_s};
    constexpr int Writes = 200;
    std::vector<std::unique_ptr<QProcess>> writers;
    for (const QString &prefix : prefixes) {
        writers.push_back(std::make_unique<QProcess>());
        writers.back()->start(QStringLiteral(PROFILE_WRITER_PATH),
                              {path, u"Keys"_s, prefix, QString::number(Writes)});
    }
    for (auto &writer : writers) {
        ASSERT_TRUE(writer->waitForFinished(240000));
        EXPECT_EQ(writer->exitCode(), 0) << writer->readAllStandardError().constData();
    }
    int lost = 0;
    for (const QString &prefix : prefixes)
        for (int i = 1; i <= Writes; ++i)
            lost += file.read(u"Keys"_s, prefix + QString::number(i), u"-"_s) != QString::number(i);
    EXPECT_EQ(lost, 0);
    EXPECT_FALSE(QFileInfo::exists(path + u".lock"_s));
}

// Each adds to one shared count from what the file holds under the lock.
TEST_F(ProfileFileFailureTest, UpdatesInSeveralProgramsMergeEveryChange)
{
    constexpr int Adds = 100;
    std::vector<std::unique_ptr<QProcess>> writers;
    for (int i = 0; i < 3; ++i) {
        writers.push_back(std::make_unique<QProcess>());
        writers.back()->start(QStringLiteral(PROFILE_WRITER_PATH),
                              {path, u"Counts"_s, u"+runs"_s, QString::number(Adds)});
    }
    for (auto &writer : writers) {
        ASSERT_TRUE(writer->waitForFinished(240000));
        EXPECT_EQ(writer->exitCode(), 0) << writer->readAllStandardError().constData();
    }
    EXPECT_EQ(file.read(u"Counts"_s, u"runs"_s, u"-"_s), QString::number(3 * Adds));
}

TEST_F(ProfileFileFailureTest, WriteWaitsForTheWriterHoldingTheLock)
{
    QLockFile held(path + u".lock"_s);
    ASSERT_TRUE(held.tryLock(0));
    auto writing = std::async(std::launch::async, [this] {
        ProfileFile other(path);
        return other.write(u"S"_s, u"k"_s, u"1"_s);
    });
    EXPECT_EQ(writing.wait_for(300ms), std::future_status::timeout);
    EXPECT_FALSE(QFileInfo::exists(path));
    held.unlock();
    EXPECT_TRUE(writing.get());
    EXPECT_EQ(file.read(u"S"_s, u"k"_s, u"-"_s), u"1"_s);
}

// No program could ever take such a lock: waiting for it would only delay the failure, and
// "another program is still writing it" would not be true.
TEST_F(ProfileFileFailureTest, LockFileThatCannotBeALockFailsAtOnceAndIsSaidOnce)
{
    const QString lockPath = path + u".lock"_s;
    const std::function<void()> makeLock[] = {
        [&] { ASSERT_TRUE(QDir().mkdir(lockPath)); },
        [&] { ASSERT_TRUE(QFile::link(dir.filePath(u"nowhere"_s), lockPath)); },
    };
    const QString kinds[] = {u"is a folder"_s, u"is a symbolic link"_s};
    put(path, "[S]\r\nk=1\r\n");
    for (int i = 0; i < 2; ++i) {
        makeLock[i]();
        SettingsLog::lines().clear();
        {
            const SettingsLog log;
            EXPECT_FALSE(file.write(u"S"_s, u"k"_s, u"2"_s));
            EXPECT_FALSE(file.write(u"S"_s, u"k"_s, u"3"_s));
        }
        EXPECT_TRUE(file.lastError().contains(kinds[i])) << qPrintable(file.lastError());
        EXPECT_TRUE(file.lastError().contains(lockPath));
        EXPECT_EQ(SettingsLog::lines().size(), 1) << "said once";
        EXPECT_EQ(file.read(u"S"_s, u"k"_s, u"-"_s), u"1"_s);
        EXPECT_FALSE(file.isWaitingForLock());
        QFileInfo(lockPath).isDir() ? QDir().rmdir(lockPath) : QFile::remove(lockPath);
    }
    EXPECT_TRUE(file.write(u"S"_s, u"k"_s, u"4"_s));
    EXPECT_EQ(file.read(u"S"_s, u"k"_s, u"-"_s), u"4"_s);
}

// Where an event loop runs, as in the window, a write never sleeps for the lock: the change
// waits in memory, is seen at once, and reaches the file, in order, once the lock is free.
TEST_F(ProfileFileFailureTest, BusyLockDefersTheWriteWhereAnEventLoopRuns)
{
    QLockFile held(path + u".lock"_s);
    ASSERT_TRUE(held.tryLock(0));
    std::vector<std::function<void()>> retries;
    file.retryLater = [&retries](std::chrono::milliseconds delay, std::function<void()> retry) {
        EXPECT_EQ(delay, ProfileFile::LockRetry);
        retries.push_back(std::move(retry));
    };
    QEventLoop loop;
    QTimer::singleShot(0, &loop, [&] {
        EXPECT_TRUE(file.write(u"S"_s, u"k"_s, u"1"_s));
        EXPECT_TRUE(file.write({{u"S"_s, u"k"_s, u"2"_s}, {u"T"_s, u"j"_s, u"3"_s}}));
        loop.quit();
    });
    loop.exec();
    EXPECT_TRUE(file.isWaitingForLock());
    EXPECT_EQ(file.read(u"s"_s, u"K"_s, u"-"_s), u"2"_s);
    EXPECT_EQ(file.read(u"T"_s, u"j"_s, u"-"_s), u"3"_s);
    const auto addOne = [](const QString &stored) { return QString::number(stored.toInt() + 1); };
    EXPECT_TRUE(file.update(u"T"_s, u"j"_s, addOne));
    EXPECT_EQ(file.read(u"T"_s, u"j"_s, u"-"_s), u"4"_s) << "from what waits";
    EXPECT_TRUE(file.update(u"U"_s, u"n"_s, addOne));
    EXPECT_EQ(file.read(u"U"_s, u"n"_s, u"-"_s), u"1"_s);
    // An edit sees the whole file as the changes before it leave it.
    EXPECT_TRUE(file.edit([](const ProfileText &stored) {
        return ProfileFile::Edit{{{u"V"_s, u"m"_s, stored.value(u"U"_s, u"n"_s).value_or(u"-"_s)}},
                                 {}};
    }));
    EXPECT_EQ(file.read(u"V"_s, u"m"_s, u"-"_s), u"1"_s);
    EXPECT_FALSE(QFileInfo::exists(path));
    ASSERT_EQ(retries.size(), 1u);
    retries.back()();  // still held: tried again later
    ASSERT_EQ(retries.size(), 2u);
    EXPECT_FALSE(QFileInfo::exists(path));

    put(path, "[U]\r\nn=5\r\n");  // what the lock's holder wrote: added to, not lost
    held.unlock();
    retries.back()();
    EXPECT_FALSE(file.isWaitingForLock());
    EXPECT_EQ(contents(path), "[U]\r\nn=6\r\n[S]\r\nk=2\r\n[T]\r\nj=4\r\n[V]\r\nm=6\r\n");
    EXPECT_EQ(retries.size(), 2u);
}

TEST_F(ProfileFileFailureTest, LockLeftBehindLongAgoIsTakenOver)
{
    const QString lockPath = path + u".lock"_s;
    put(lockPath, "not a lock this program wrote\n");
    QFile lock(lockPath);
    ASSERT_TRUE(lock.open(QIODevice::ReadWrite));
    ASSERT_TRUE(lock.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                                 QFileDevice::FileModificationTime));
    lock.close();

    EXPECT_TRUE(file.write(u"S"_s, u"k"_s, u"1"_s)) << qPrintable(file.lastError());
    EXPECT_EQ(file.read(u"S"_s, u"k"_s, u"-"_s), u"1"_s);
    EXPECT_FALSE(QFileInfo::exists(lockPath));
}

}  // namespace
