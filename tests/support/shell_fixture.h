// A whole program on a scripted serial line, a manual clock, a desktop that answers for the
// operator and its own settings folder.
#pragma once

#include "fake_desktop.h"
#include "find_unit.h"
#include "link_doubles.h"
#include "platform/manual_clock.h"
#include "settings/profile_file.h"
#include "shell/program.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tavro::test {

// The units that depend on the machine, in the order their sets are switched.
inline const QStringList AllMachineControls = {
    u"按钮上"_s,   u"按钮下"_s,       u"按钮左"_s,       u"按钮右"_s,       u"按钮暂停"_s,
    u"按钮开始"_s, u"单选框点定位"_s, u"单选框到中心"_s, u"单选框框定位"_s, u"按钮发送数据"_s,
    u"按钮重启"_s, u"滑块条1"_s,      u"按钮设置"_s,     u"按钮快进"_s,     u"按钮快退"_s,
    u"按钮重刻"_s, u"按钮清除"_s,     u"按钮缩小"_s,     u"按钮旋转"_s,     u"按钮重载"_s,
    u"按钮关机"_s};

class ShellTest : public ::testing::Test {
protected:
    QTemporaryDir home;
    QString folder = home.filePath(u"Tavro"_s);
    QString configPath = folder + u"/Config.ini"_s;
    FakeSerialLine line;
    platform::ManualClock clock;
    FakePortLister ports;
    platform::PortTable table{QStringList{home.filePath(u"ttyNone"_s)}};
    FakeDesktop desktop;
    std::unique_ptr<shell::Program> program;

    ShellTest() { ports.list = {}; }

    // Settings written before the program starts, as "section/key" = value.
    void store(const QString &section, const QString &key, const QString &value)
    {
        QDir().mkpath(folder);
        ASSERT_TRUE(settings::ProfileFile(configPath).write(section, key, value));
    }
    void startProgram()
    {
        program = std::make_unique<shell::Program>(
            shell::ProgramServices{line, clock, ports, table, desktop}, folder);
        program->onMainWindowCreated();
    }
    void identify(int port = 1)
    {
        line.openable = {port};
        session().command(session::CommandId::Connect).trigger();
        line.deliver(bytes({0xFF, 0x01, 0x0A, 0x00}));
        ports.list.names = u"COM%1A"_s.arg(port);
        line.writes.clear();
    }

    session::Session &session() { return program->session(); }
    // The layout's panel, where the units are.
    shell::MainPanel &panel() { return program->panel(); }
    shell::MainWindow &mainWindow() { return program->window(); }
    template <typename T = QWidget>
    T *unit(const QString &name)
    {
        T *w = panel().findChild<T *>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    QString caption(const QString &name)
    {
        QWidget *w = unit(name);
        if (auto *b = qobject_cast<QAbstractButton *>(w)) return b->text();
        if (auto *g = qobject_cast<QGroupBox *>(w)) return g->title();
        if (auto *l = qobject_cast<QLabel *>(w)) return l->text();
        if (auto *e = qobject_cast<QLineEdit *>(w)) return e->text();
        return {};
    }
    QString storedLanguage()
    {
        return settings::ProfileFile(configPath).read(u"MainWindow"_s, u"Language"_s, u"none"_s);
    }
    QStringList enabledMachineControls()
    {
        QStringList out;
        for (const QString &name : AllMachineControls)
            if (unit(name)->isEnabled()) out << name;
        return out;
    }
};

}  // namespace tavro::test
