// The whole program against the simulated engraver, through a real pseudo-terminal.
#include "engraver-sim/engraver_sim.h"
#include "platform/manual_clock.h"
#include "platform/qt_serial_line.h"
#include "shell/program.h"
#include "shell/settings_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>

using namespace std::chrono_literals;
using namespace tavro;
using namespace Qt::Literals::StringLiterals;

namespace {

// The system's own message boxes, which the held Escape must meet; the program never ends.
class RealBoxes final : public shell::Desktop {
public:
    int messageBox(const QString &text, shell::BoxButtons buttons, const QString &caption) override
    {
        return m_system.messageBox(text, buttons, caption);
    }
    int choose(const QString &text, const QString &caption, const QStringList &buttons) override
    {
        return m_system.choose(text, caption, buttons);
    }
    QString askFile(shell::FileQuestion, const QString &, QWidget *) override { return {}; }
    void showAbout(const QString &, const QString &, QWidget *) override {}
    void notify(const QString &, const QString &) override {}
    void openMakerSite() override {}
    void quit() override {}
    std::optional<QFont> chooseFont(const QFont &) override { return std::nullopt; }

private:
    shell::SystemDesktop m_system;
};

class ProgramWithMachine : public ::testing::Test {
protected:
    QTemporaryDir dir;
    std::unique_ptr<sim::Engraver> machine;
    std::unique_ptr<platform::PortTable> table;
    std::unique_ptr<platform::QtSerialLine> line;
    std::unique_ptr<platform::PortTableLister> ports;
    platform::ManualClock clock;
    RealBoxes desktop;
    std::unique_ptr<shell::Program> program;

    void SetUp() override
    {
        sim::EngraverOptions options;
        options.linkPath = dir.filePath(u"ttyProgram%1"_s.arg(QCoreApplication::applicationPid()));
        options.fast = true;
        machine = std::make_unique<sim::Engraver>(options);
        ASSERT_TRUE(machine->start());
        table = std::make_unique<platform::PortTable>(QStringList{
            dir.filePath(u"absent1"_s), dir.filePath(u"absent2"_s), machine->devicePath()});
        line = std::make_unique<platform::QtSerialLine>(*table);
        ports = std::make_unique<platform::PortTableLister>(*table);
        program = std::make_unique<shell::Program>(
            shell::ProgramServices{*line, clock, *ports, *table, desktop},
            dir.filePath(u"Tavro"_s));
        program->onMainWindowCreated();
        ASSERT_TRUE(QTest::qWaitFor([this] { return unit(u"按钮开始"_s)->isEnabled(); }, 20000));
    }
    void TearDown() override
    {
        program.reset();
        line.reset();
    }

    QWidget *unit(const QString &name) { return program->panel().findChild<QWidget *>(name); }
    QString log() const { return program->panel().log().content(); }
    // Frames the machine received after identifying itself.
    QList<QByteArray> framesAfterIdentification() const
    {
        QList<QByteArray> frames = machine->receivedFrames();
        frames.removeAll("\xFF\x09\x00\x00"_ba);
        return frames;
    }
};

TEST_F(ProgramWithMachine, StartsIdentifiesAndTheJobButtonsReachTheMachine)
{
    EXPECT_EQ(program->session().machine().port, 3);
    for (const char16_t *button : {u"按钮开始", u"按钮暂停", u"按钮重刻", u"按钮快进", u"按钮重启"})
        QTest::mouseClick(unit(QString::fromUtf16(button)), Qt::LeftButton);
    const QList<QByteArray> expected = {"\xFF\x09\x00\x00"_ba, "\xFF\x01\x01\x00"_ba,
                                        "\xFF\x01\x02\x00"_ba, "\xFF\x01\x03\x00"_ba,
                                        "\xFF\x07\x02\x00"_ba, "\xAA"_ba,
                                        "\xFF\x04\x01\x00"_ba};
    ASSERT_TRUE(QTest::qWaitFor([&] { return machine->receivedFrames().size() >= 7; }, 20000));
    EXPECT_EQ(machine->receivedFrames(), expected);
    EXPECT_TRUE(log().contains(u"Firmware version : 2\r\n"_s));
}

// Escape closes the settings on its press; the key, still down, then repeats into
// whatever opens next. Those repeats must not close the next settings window, nor
// the help window or the box before Power OFF.
TEST_F(ProgramWithMachine, AnEscapeHeldAfterClosingTheSettingsClosesNothingElse)
{
    // As X delivers a held key: one press, then pairs of release and press that share a
    // time stamp, most of them not flagged as repeats.
    ulong time = 0;
    const auto escape = [&time](QWidget *window, QEvent::Type type, bool flagged = false) {
        QWidget *target = window->focusWidget() ? window->focusWidget() : window;
        QKeyEvent key(type, Qt::Key_Escape, Qt::NoModifier, u"\x1b"_s, flagged);
        key.setTimestamp(time);
        QApplication::sendEvent(target, &key);
    };
    bool escapeDown = false;
    QWidget *lastModal = nullptr;
    int repeatsIntoIt = 0;
    QStringList survived;
    QTimer keyboard;
    QObject::connect(&keyboard, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal) return;
        time += 33;
        if (!escapeDown) {
            escape(modal, QEvent::KeyPress);
            escapeDown = true;
            return;
        }
        if (modal != lastModal) repeatsIntoIt = 0;
        lastModal = modal;
        escape(modal, QEvent::KeyRelease, repeatsIntoIt == 3);
        escape(modal, QEvent::KeyPress, repeatsIntoIt == 3);
        if (++repeatsIntoIt < 5 || QApplication::activeModalWidget() != modal) return;
        survived << QString::fromLatin1(modal->metaObject()->className());
        if (auto *box = qobject_cast<QMessageBox *>(modal))
            box->button(QMessageBox::Ok)->click();
        else
            modal->close();
    });
    keyboard.start(10);

    QTest::mouseClick(unit(u"按钮设置"_s), Qt::LeftButton);
    ASSERT_TRUE(escapeDown);
    QTest::mouseClick(unit(u"按钮设置"_s), Qt::LeftButton);
    QTest::mouseClick(unit(u"按钮设置"_s), Qt::LeftButton, Qt::ControlModifier);  // help
    QTest::mouseClick(unit(u"按钮关机"_s), Qt::LeftButton);
    keyboard.stop();

    EXPECT_EQ(survived, (QStringList{u"tavro::shell::SettingsWindow"_s,
                                     u"tavro::shell::HelpWindow"_s, u"QMessageBox"_s}));
    EXPECT_TRUE(machine->waitFor(
        [&] { return framesAfterIdentification().contains("\xFF\x0C\x00\x00"_ba); }, 20000))
        << "Power OFF confirmed reaches the machine";
}

// A fresh press still closes: two Escapes, two closed settings windows.
TEST_F(ProgramWithMachine, EachFreshEscapeClosesTheSettings)
{
    int closed = 0;
    QTimer keyboard;
    QObject::connect(&keyboard, &QTimer::timeout, [&] {
        if (auto *settings =
                qobject_cast<shell::SettingsWindow *>(QApplication::activeModalWidget())) {
            QTest::keyClick(settings, Qt::Key_Escape);
            ++closed;
        }
    });
    keyboard.start(10);
    QTest::mouseClick(unit(u"按钮设置"_s), Qt::LeftButton);
    QTest::mouseClick(unit(u"按钮设置"_s), Qt::LeftButton);
    EXPECT_EQ(closed, 2);
}

// The label shows what the machine uses: a change made with the keys reaches it too.
TEST_F(ProgramWithMachine, TheBurnTimeSetWithTheKeysReachesTheMachine)
{
    auto *slider = unit(u"滑块条1"_s);
    slider->setFocus();
    for (int i = 0; i < 3; ++i) QTest::keyClick(slider, Qt::Key_Right);
    clock.advance(1000ms);
    EXPECT_TRUE(machine->waitFor([&] { return machine->burnTime() == 43; }, 20000))
        << machine->burnTime();
    EXPECT_EQ(static_cast<QLabel *>(unit(u"标签灼烧时间值"_s))->text(), u"43"_s);
    EXPECT_TRUE(log().endsWith(u"Burning Time: 43\r\n"_s));
}

}  // namespace
