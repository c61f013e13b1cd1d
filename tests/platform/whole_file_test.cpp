// Whole-file reads: only regular files within their cap, and nothing that could block or run away.
#include "platform/whole_file.h"
#include "outcome_assert.h"
#include "platform/file_name.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tavro::platform;
using namespace Qt::Literals::StringLiterals;

namespace {

class WholeFileTest : public ::testing::Test {
protected:
    QString put(const QString &name, const QByteArray &bytes)
    {
        QFile file(m_dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
    QString link(const QString &name, const QString &target)
    {
        const QString path = m_dir.filePath(name);
        EXPECT_EQ(::symlink(QFile::encodeName(target).constData(), QFile::encodeName(path)), 0);
        return path;
    }

    QTemporaryDir m_dir;
};

TEST_F(WholeFileTest, ReadsRegularFilesWithinTheirCapAndReusesTheBuffer)
{
    const QString path = put(u"a.txt"_s, "twelve bytes");
    QByteArray bytes(1000, 'x');
    const char *buffer = bytes.constData();
    bool missing = true;
    EXPECT_TRUE(isDone(readWholeFile(path, 12, bytes, &missing)));
    EXPECT_EQ(bytes, "twelve bytes");
    EXPECT_EQ(bytes.constData(), buffer);
    EXPECT_FALSE(missing);
    EXPECT_TRUE(isDone(readWholeFile(link(u"to-a"_s, path), 12, bytes)));
    EXPECT_EQ(bytes, "twelve bytes");
    EXPECT_TRUE(isDone(readWholeFile(put(u"empty"_s, {}), 0, bytes)));
    EXPECT_TRUE(bytes.isEmpty());
    // Names are bytes, valid UTF-8 or not.
    const QString odd = m_dir.filePath(fileNameFromBytes("\xFF\xFE.txt"));
    const int fd = ::open(fileNameBytes(odd).constData(), O_WRONLY | O_CREAT, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, "odd", 3), 3);
    ::close(fd);
    EXPECT_TRUE(isDone(readWholeFile(odd, 3, bytes)));
    EXPECT_EQ(bytes, "odd");
    ::unlink(fileNameBytes(odd).constData());  // QTemporaryDir cannot name it
}

// A FIFO nobody writes into would block the open for ever, /dev/zero never ends.
TEST_F(WholeFileTest, RefusesAtOnceWhatIsNoRegularFileOrTooLarge)
{
    const QString fifo = m_dir.filePath(u"fifo"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const struct {
        QString path;
        QString reason;
        bool missing;
    } cases[] = {
        {m_dir.filePath(u"none"_s), u"no such file"_s, true},
        {link(u"dangling"_s, m_dir.filePath(u"none"_s)), u"no such file"_s, true},
        {put(u"file"_s, "x") + u"/below"_s, u"no such file"_s, true},
        {m_dir.path(), u"a folder, not a file"_s, false},
        {fifo, u"not a regular file"_s, false},
        {link(u"to-fifo"_s, fifo), u"not a regular file"_s, false},
        {link(u"zero"_s, u"/dev/zero"_s), u"not a regular file"_s, false},
        {put(u"big"_s, "thirteen bytes"), u"the file is too large"_s, false},
        {m_dir.filePath(u"file"_s) + QChar(0) + u"x"_s, u"no such file"_s, true},
    };
    for (const auto &c : cases) {
        QByteArray bytes = "old";
        bool missing = !c.missing;
        EXPECT_EQ(readWholeFile(c.path, 12, bytes, &missing).why(), c.reason) << qPrintable(c.path);
        EXPECT_TRUE(bytes.isEmpty());
        EXPECT_EQ(missing, c.missing) << qPrintable(c.path);
        QFile file;
        EXPECT_EQ(openRegularFile(c.path, 12, file).why(), c.reason) << qPrintable(c.path);
        EXPECT_FALSE(file.isOpen());
    }
}

}  // namespace
