// The connection check window: what it shows of each device, its fix button, hot-plug, and its
// words in every language. The check itself runs on pseudo-terminals with a manual clock.
#include "shell/connection_check_window.h"
#include "engraver-sim/engraver_sim.h"
#include "find_unit.h"
#include "platform/manual_clock.h"
#include "qt_printers.h"
#include "shell/interface_translator.h"

#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

using namespace tavro;
using namespace tavro::platform;
using namespace tavro::machine;
using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int Patience = 20000;  // ms; generous for a loaded machine

class FakeHelper final : public shell::HelperRunner {
public:
    QList<QStringList> runs;
    bool running = false;

    void run(const QStringList &arguments) override
    {
        runs << arguments;
        running = true;
    }
    bool isRunning() const override { return running; }
    void finish(int status)
    {
        running = false;
        emit finished(status, {});
    }
};

class CheckWindowTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QStringList paths{dir.filePath(u"ttyWin1"_s), dir.filePath(u"ttyWin2"_s)};
    ManualClock clock;
    SerialIdentityProber prober{clock};
    ConnectionDiagnosis diagnosis{{PortTable(paths),
                                   true,
                                   10,
                                   dir.filePath(u"root"_s),
                                   {},
                                   [] { return QList<UsbBridge>{}; }},
                                  clock,
                                  prober};
    DeviceWatcher watcher{PortTable(paths)};
    FakeHelper helper;
    shell::ConnectionCheckWindow window{diagnosis, watcher, helper};
    std::vector<std::unique_ptr<sim::Engraver>> machines;

    sim::Engraver &machineOn(int port)
    {
        sim::EngraverOptions options;
        options.linkPath = paths.at(port - 1);
        options.fast = true;
        machines.push_back(std::make_unique<sim::Engraver>(options));
        EXPECT_TRUE(machines.back()->start());
        return *machines.back();
    }
    bool checked()
    {
        return QTest::qWaitFor([this] { return !diagnosis.isRunning(); }, Patience);
    }
    QStringList shown(const QString &name) const
    {
        QStringList texts;
        for (const QLabel *label : window.findChildren<QLabel *>(name)) texts << label->text();
        return texts;
    }
    QList<QPushButton *> fixButtons() const
    {
        return window.findChildren<QPushButton *>(u"fixButton"_s);
    }
};

TEST_F(CheckWindowTest, ADeviceShowsItsFactsAndVerdictAndItsFixRunsTheHelper)
{
    sim::Engraver &machine = machineOn(1);
    QProcess brltty;
    brltty.start(QStringLiteral(PORT_HOLDER_PATH), {u"brltty"_s, machine.devicePath()});
    ASSERT_TRUE(brltty.waitForReadyRead(Patience));
    window.show();
    ASSERT_TRUE(checked());
    EXPECT_EQ(shown(u"title"_s), QStringList{u"COM1  "_s + paths.at(0)});
    EXPECT_EQ(shown(u"facts"_s), QStringList{u"Not a USB device"_s});
    EXPECT_EQ(shown(u"verdict"_s),
              QStringList{u"Held by brltty (PID %1)."_s.arg(brltty.processId())});
    EXPECT_EQ(
        window.headline(),
        u"No machine: %1 is held by brltty (PID %2)"_s.arg(paths.at(0)).arg(brltty.processId()));
    ASSERT_EQ(fixButtons().size(), 1);
    EXPECT_EQ(fixButtons().first()->text(), u"Stop brltty taking adapters"_s);

    fixButtons().first()->click();
    EXPECT_EQ(helper.runs, QList<QStringList>{{u"--fix-brltty"_s}});
    EXPECT_FALSE(fixButtons().first()->isEnabled()) << "one helper at a time";
    helper.finish(0);
    EXPECT_TRUE(diagnosis.isRunning()) << "checked again once the helper ended";
    ASSERT_TRUE(checked());
    EXPECT_EQ(window.status(), u"tavro-serial-access is done."_s);
    brltty.closeWriteChannel();
    brltty.waitForFinished(Patience);
    EXPECT_TRUE(machine.receivedBytes().isEmpty());
}

TEST_F(CheckWindowTest, ItFollowsADeviceThatIsPluggedInWhileItIsOpen)
{
    window.show();
    ASSERT_TRUE(checked());
    EXPECT_EQ(shown(u"verdict"_s), QStringList{u"No USB-serial adapter is connected."_s});

    machineOn(2);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return window.headline() == u"A machine answers."_s; }, Patience));
    EXPECT_EQ(shown(u"verdict"_s), QStringList{u"An engraver of this kind answers here."_s});
    EXPECT_TRUE(fixButtons().isEmpty());
}

TEST_F(CheckWindowTest, ItSpeaksTheChosenLanguage)
{
    window.show();
    ASSERT_TRUE(checked());
    shell::InterfaceTranslator translator;
    translator.apply(5);
    QCoreApplication::processEvents();  // the language change reaches windows as an event
    EXPECT_EQ(window.windowTitle(), u"Verbindung prüfen"_s);
    EXPECT_EQ(shown(u"verdict"_s), QStringList{u"Kein USB-Seriell-Adapter ist angeschlossen."_s});
    EXPECT_EQ(test::unitIn<QPushButton>(window, u"checkAgain"_s).text(), u"Erneut prüfen"_s);
}

// Qt Linguist's sources: every text of the check has its five translations.
TEST(CheckTranslations, EveryTextOfTheCheckIsTranslatedInEveryLanguage)
{
    const QStringList contexts{u"tavro::machine::DiagnosisText"_s,
                               u"tavro::shell::ConnectionCheckWindow"_s,
                               u"tavro::shell::SerialAccessRunner"_s};
    for (const QString &locale : {u"zh_CN"_s, u"ja"_s, u"fr"_s, u"it"_s, u"de"_s}) {
        QFile file(QStringLiteral(TAVRO_SOURCE_DIR) + u"/translations/tavro_"_s + locale +
                   u".ts"_s);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QXmlStreamReader ts(&file);
        QString context;
        QString source;
        int messages = 0;
        while (!ts.atEnd()) {
            if (ts.readNext() != QXmlStreamReader::StartElement) continue;
            if (ts.name() == u"name"_s) {
                context = ts.readElementText();
            } else if (ts.name() == u"source"_s) {
                source = ts.readElementText();
            } else if (ts.name() == u"translation"_s && contexts.contains(context)) {
                ++messages;
                const bool unfinished = ts.attributes().hasAttribute(u"type"_s);
                EXPECT_FALSE(ts.readElementText().isEmpty() || unfinished)
                    << locale.toStdString() << ": " << source.toStdString();
            }
        }
        EXPECT_FALSE(ts.hasError()) << ts.errorString().toStdString();
        EXPECT_GT(messages, 40) << locale.toStdString();
    }
}

}  // namespace
