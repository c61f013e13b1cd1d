// COM numbers to device nodes, TAVRO_PORTS, and the present-port list.
#include "platform/port_table.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tavro::platform;
using namespace Qt::Literals::StringLiterals;

namespace {

TEST(PortTable, DefaultTableCoversUsbAcmAndBuiltInPorts)
{
    const PortTable table;
    const struct {
        int n;
        const char16_t *path;
    } cases[] = {{1, u"/dev/ttyUSB0"},
                 {16, u"/dev/ttyUSB15"},
                 {17, u"/dev/ttyACM0"},
                 {32, u"/dev/ttyACM15"},
                 {33, u"/dev/ttyS0"},
                 {64, u"/dev/ttyS31"},
                 {0, u""},
                 {65, u""},
                 {-1, u""}};
    for (const auto &c : cases) EXPECT_EQ(table.devicePath(c.n), QString::fromUtf16(c.path)) << c.n;
}

TEST(PortTable, EnvironmentReplacesTheTable)
{
    qputenv("TAVRO_PORTS", "/tmp/a:/tmp/b");
    const PortTable table = PortTable::fromEnvironment();
    qunsetenv("TAVRO_PORTS");
    EXPECT_EQ(table.devicePath(1), u"/tmp/a"_s);
    EXPECT_EQ(table.devicePath(2), u"/tmp/b"_s);
    EXPECT_EQ(table.devicePath(3), QString());
    EXPECT_EQ(PortTable::fromEnvironment().devicePath(1), u"/dev/ttyUSB0"_s);
}

TEST(PortTable, WithFirstMovesEveryEntryUpAndKeepsSixtyFour)
{
    const PortTable table = PortTable().withFirst(u"/tmp/sim"_s);
    EXPECT_EQ(table.devicePath(1), u"/tmp/sim"_s);
    EXPECT_EQ(table.devicePath(2), u"/dev/ttyUSB0"_s);
    EXPECT_EQ(table.devicePath(64), u"/dev/ttyS30"_s);
}

TEST(PortTable, PresentListNamesExistingNodesOnly)
{
    QTemporaryDir dir;
    QStringList devices;
    for (int i = 0; i < 12; ++i) devices << dir.filePath(u"tty%1"_s.arg(i));
    for (int i : {0, 6, 10}) {
        QFile f(devices[i]);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    const PortTable table(devices);
    EXPECT_EQ(table.presentPortList(), u"COM1ACOM7ACOM11A"_s);
    QFile::remove(devices[6]);
    EXPECT_EQ(table.presentPortList(), u"COM1ACOM11A"_s);
    EXPECT_FALSE(table.isPresent(7));
}

}  // namespace
