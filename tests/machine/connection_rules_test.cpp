// The connection check's rules and words, without a device: open errors, fixes, the udev rule
// folders, the status-bar summary.
#include "machine/connection_rules.h"
#include "machine/device_node.h"
#include "machine/device_watcher.h"
#include "machine/diagnosis_text.h"
#include "machine/udev_rules.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>

using namespace tavro::platform;
using namespace tavro::machine;
using namespace Qt::Literals::StringLiterals;

namespace {

void writeFile(const QString &path, const QByteArray &text)
{
    QDir().mkpath(path.section(u'/', 0, -2));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

SerialDevice device(Verdict verdict, const QString &path = u"/dev/ttyUSB0"_s)
{
    SerialDevice d;
    d.path = path;
    d.node = path;
    d.portNumber = 1;
    d.verdict = verdict;
    return d;
}

TEST(ConnectionRules, AFailedOpenSaysWhy)
{
    const struct {
        int error;
        Verdict verdict;
        bool vanished;
    } cases[] = {{EACCES, Verdict::NoPermission, false}, {EPERM, Verdict::NoPermission, false},
                 {EBUSY, Verdict::Held, false},          {EIO, Verdict::CannotOpen, false},
                 {ENOENT, Verdict::CannotOpen, true},    {ENXIO, Verdict::CannotOpen, true}};
    for (const auto &c : cases) {
        EXPECT_EQ(verdictForOpenError(c.error), c.verdict) << c.error;
        EXPECT_EQ(nodeVanished(c.error), c.vanished) << c.error;
    }
}

TEST(ConnectionRules, TheAccessRuleCoversAcmAndTheBridgesMakers)
{
    const struct {
        const char16_t *node;
        std::optional<quint16> vendor;
        bool covered;
    } cases[] = {{u"/dev/ttyACM0", std::nullopt, true}, {u"/dev/ttyUSB3", 0x1a86, true},
                 {u"/dev/ttyUSB0", 0x2341, false},      {u"/dev/ttyUSB0", std::nullopt, false},
                 {u"/dev/pts/4", 0x1a86, false},        {u"/dev/ttyUSB", 0x1a86, false}};
    for (const auto &c : cases)
        EXPECT_EQ(coveredByAccessRule(QString::fromUtf16(c.node), c.vendor), c.covered)
            << QString::fromUtf16(c.node).toStdString();
}

TEST(ConnectionRules, TheFixFitsTheCause)
{
    const HoldingProcess brltty{812, u"brltty"_s};
    const HoldingProcess modemManager{640, u"ModemManager"_s};
    const struct {
        const char *name;
        Verdict verdict;
        bool covered;
        QString group;
        bool inGroup;
        bool listed;
        QList<HoldingProcess> holders;
        bool ruleInstalled;
        bool brlttyMasked;
        Fix fix;
    } cases[] = {
        {"rule missing",
         Verdict::NoPermission,
         true,
         u"dialout"_s,
         false,
         false,
         {},
         false,
         false,
         Fix::AllowAccess},
        {"rule there",
         Verdict::NoPermission,
         true,
         u"dialout"_s,
         false,
         false,
         {},
         true,
         false,
         Fix::JoinDialout},
        {"device not covered",
         Verdict::NoPermission,
         false,
         u"dialout"_s,
         false,
         false,
         {},
         false,
         false,
         Fix::JoinDialout},
        {"joined, not logged in again",
         Verdict::NoPermission,
         true,
         u"dialout"_s,
         false,
         true,
         {},
         false,
         false,
         Fix::None},
        {"another group",
         Verdict::NoPermission,
         false,
         u"uucp"_s,
         false,
         false,
         {},
         true,
         false,
         Fix::None},
        {"brltty", Verdict::Held, true, {}, false, false, {brltty}, true, false, Fix::StopBrltty},
        {"brltty masked already",
         Verdict::Held,
         true,
         {},
         false,
         false,
         {brltty},
         true,
         true,
         Fix::None},
        {"ModemManager",
         Verdict::Held,
         true,
         {},
         false,
         false,
         {modemManager},
         true,
         false,
         Fix::None},
        {"bridge taken",
         Verdict::NoSerialDevice,
         false,
         {},
         false,
         false,
         {brltty},
         true,
         false,
         Fix::StopBrltty},
        {"silent", Verdict::NoAnswer, true, {}, false, false, {brltty}, false, false, Fix::None},
    };
    for (const auto &c : cases) {
        SerialDevice d = device(c.verdict);
        d.coveredByAccessRule = c.covered;
        d.access = {true, u"root"_s, c.group, 0660, c.inGroup, c.listed};
        d.holders = c.holders;
        EXPECT_EQ(fixFor(d, c.ruleInstalled, c.brlttyMasked), c.fix) << c.name;
    }
    EXPECT_EQ(helperArguments(Fix::StopBrltty), QStringList{u"--fix-brltty"_s});
    EXPECT_EQ(helperArguments(Fix::JoinDialout), QStringList{u"--dialout"_s});
    EXPECT_TRUE(helperArguments(Fix::AllowAccess).isEmpty());
}

TEST(ConnectionRules, HoldersAreKnownByName)
{
    using Kind = HoldingProcess::Kind;
    const struct {
        const char16_t *name;
        Kind kind;
    } cases[] = {{u"brltty", Kind::Brltty},
                 {u"ModemManager", Kind::ModemManager},
                 {u"tavro", Kind::ThisProgram},
                 {u"tavro-burn", Kind::ThisProgram},
                 {u"minicom", Kind::Other}};
    for (const auto &c : cases)
        EXPECT_EQ((HoldingProcess{1, QString::fromUtf16(c.name)}.kind()), c.kind);
}

TEST(ConnectionRules, ModesReadAsLsShowsThem)
{
    EXPECT_EQ(modeText(0660), u"rw-rw----"_s);
    EXPECT_EQ(modeText(0755), u"rwxr-xr-x"_s);
    EXPECT_EQ(modeText(0), u"---------"_s);
}

TEST(UdevRules, TheRuleCountsUnlessHiddenAndOnlyTheHelpersBrlttyCopyMasks)
{
    const QString rule = u"/70-tavro-serial.rules"_s;
    const QByteArray text = "SUBSYSTEM==\"tty\", TAG+=\"uaccess\"\n";
    const struct {
        const char *name;
        std::function<void(const QString &root)> prepare;
        bool installed;
        bool masked;
    } cases[] = {
        {"nothing", [](const QString &) {}, false, false},
        {"packaged",
         [&](const QString &root) { writeFile(root + u"/usr/lib/udev/rules.d"_s + rule, text); },
         true, false},
        {"hidden by /dev/null",
         [&](const QString &root) {
             writeFile(root + u"/lib/udev/rules.d"_s + rule, text);
             QDir().mkpath(root + u"/etc/udev/rules.d"_s);
             QFile::link(u"/dev/null"_s, root + u"/etc/udev/rules.d"_s + rule);
         },
         false, false},
        {"brltty copy of ours",
         [](const QString &root) {
             writeFile(root + u"/etc/udev/rules.d/85-brltty.rules"_s,
                       QByteArray(BrlttyOverrideMark) + "\nLABEL=\"x\"\n");
         },
         false, true},
        {"someone else's brltty copy",
         [](const QString &root) {
             writeFile(root + u"/etc/udev/rules.d/85-brltty.rules"_s, "# mine\n");
         },
         false, false},
    };
    for (const auto &c : cases) {
        QTemporaryDir root;
        c.prepare(root.path());
        const UdevRules rules(root.path());
        EXPECT_EQ(rules.accessRuleInstalled(), c.installed) << c.name;
        EXPECT_EQ(rules.brlttyRuleMasked(), c.masked) << c.name;
    }
}

TEST(DiagnosisText, TheSummaryNamesWhatMostLikelyHidesTheMachine)
{
    SerialDevice brltty = device(Verdict::Held, u"/dev/ttyUSB1"_s);
    brltty.holders = {{812, u"brltty"_s}};
    SerialDevice unseen = brltty;
    unseen.holdersSeen = false;
    SerialDevice bridge = device(Verdict::NoSerialDevice, {});
    bridge.vendorId = 0x1a86;
    bridge.productId = 0x7523;
    const struct {
        const char *name;
        QList<SerialDevice> devices;
        QString summary;
    } cases[] = {
        {"nothing", {}, u"No machine: no USB-serial adapter is connected"_s},
        {"held after a silent one",
         {device(Verdict::NoAnswer), brltty},
         u"No machine: /dev/ttyUSB1 is held by brltty (PID 812)"_s},
        {"held, holder not seen",
         {unseen},
         u"No machine: /dev/ttyUSB1 is held by another program"_s},
        {"no permission",
         {device(Verdict::NoPermission)},
         u"No machine: you may not open /dev/ttyUSB0"_s},
        {"bridge",
         {bridge},
         u"No machine: the USB-serial adapter 1a86:7523 has no serial device"_s},
        {"silent", {device(Verdict::NoAnswer)}, u"No machine: /dev/ttyUSB0 does not answer"_s},
        {"found", {device(Verdict::NoAnswer), device(Verdict::Found)}, QString()},
        {"connected", {device(Verdict::Connected)}, QString()},
    };
    for (const auto &c : cases) {
        DiagnosisReport report;
        report.devices = c.devices;
        EXPECT_EQ(DiagnosisText::summary(report), c.summary) << c.name;
    }
}

TEST(DeviceWatcher, UdevDevicesAreKnownByTheTablesNameForThem)
{
    const QStringList table{u"/dev/ttyUSB0"_s, u"/dev/serial/by-id/usb-QinHeng-if00"_s};
    EXPECT_EQ(DeviceWatcher::tablePathOf(table, u"/dev/ttyUSB0"_s, {}), u"/dev/ttyUSB0"_s);
    EXPECT_EQ(DeviceWatcher::tablePathOf(table, u"/dev/ttyUSB7"_s,
                                         {u"/dev/serial/by-id/usb-QinHeng-if00"_s}),
              u"/dev/serial/by-id/usb-QinHeng-if00"_s);
    EXPECT_EQ(DeviceWatcher::tablePathOf(table, u"/dev/ttyS0"_s, {}), QString());
}

}  // namespace
