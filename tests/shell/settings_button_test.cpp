// The settings button: a click opens the settings, a release with Ctrl alone opens help.
#include "shell/help_window.h"
#include "shell/main_window.h"
#include "shell/settings_window.h"
#include "shell_fixture.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWindow>

using namespace tavro;
using namespace tavro::test;

namespace {

class SettingsButtonTest : public ShellTest {
protected:
    void SetUp() override
    {
        startProgram();
        identify();
    }
    // Presses and releases the button with the modifiers; names the dialogs that opened.
    QStringList releaseWith(Qt::KeyboardModifiers modifiers)
    {
        QStringList opened;
        const auto closeModal = [&opened] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal) return;
            if (qobject_cast<shell::HelpWindow *>(modal)) opened << u"help"_s;
            if (qobject_cast<shell::SettingsWindow *>(modal)) opened << u"settings"_s;
            modal->close();
        };
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, closeModal);
        closer.start(20);
        QWidget *button = unit(u"按钮设置"_s);
        QTest::mousePress(button, Qt::LeftButton, modifiers);
        QTest::mouseRelease(button, Qt::LeftButton, modifiers);
        return opened;
    }
};

TEST_F(SettingsButtonTest, WhichWindowOpens)
{
    EXPECT_EQ(releaseWith(Qt::NoModifier), QStringList{u"settings"_s});
    EXPECT_EQ(releaseWith(Qt::ControlModifier), QStringList{u"help"_s});
    EXPECT_EQ(releaseWith(Qt::ControlModifier | Qt::ShiftModifier), QStringList{u"settings"_s})
        << "Ctrl with Shift is not the help gesture";
}

TEST_F(SettingsButtonTest, DisabledButtonOpensNeither)
{
    session()
        .command(session::CommandId::Break)
        .trigger();  // the machine controls go with the link
    EXPECT_TRUE(releaseWith(Qt::ControlModifier).isEmpty());
    EXPECT_TRUE(releaseWith(Qt::NoModifier).isEmpty());
}

TEST_F(SettingsButtonTest, ReverseFromTheSettingsWindowReachesTheLine)
{
    line.writes.clear();
    QTimer clicker;
    QObject::connect(&clicker, &QTimer::timeout, [] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *settings = qobject_cast<shell::SettingsWindow *>(modal)) {
            QTest::mouseClick(settings->findChild<QWidget *>(u"按钮x"_s), Qt::LeftButton);
            settings->close();
        }
    });
    clicker.start(20);
    QTest::mouseClick(unit(u"按钮设置"_s), Qt::LeftButton);
    EXPECT_EQ(line.writes, QList<QByteArray>{bytes({0xFF, 0x08, 0x01, 0x00})});
    ASSERT_EQ(desktop.boxes.size(), 1);
    EXPECT_EQ(desktop.boxes[0].text, u"Saved !"_s);
    EXPECT_EQ(desktop.boxes[0].caption, u"Info"_s);
}

// Without a title of their own the windows read as the program on the desktop; titles
// that the layout gives stay exactly as they are.
TEST_F(SettingsButtonTest, UntitledWindowsShowTheProgramsName)
{
    QStringList shown;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&shown] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            shown << modal->windowTitle() << modal->windowHandle()->title();
            modal->close();
        }
    });
    closer.start(20);
    QTest::mouseClick(unit(u"按钮设置"_s), Qt::LeftButton);
    QTest::mouseClick(unit(u"按钮设置"_s), Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(shown, (QStringList{u""_s, u"Tavro Laser"_s, u""_s, u"Tavro Laser"_s}));

    shell::MainWindow &top = mainWindow();
    top.show();
    ASSERT_NE(top.windowHandle(), nullptr);
    EXPECT_EQ(top.windowHandle()->title(), u"Tavro Laser CNC Software V1.1.0"_s);
    top.hide();
}

}  // namespace
