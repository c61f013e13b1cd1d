// A whole program on a scripted serial line, a manual clock and its own settings folder.
#pragma once

#include "link_doubles.h"
#include "platform/manual_clock.h"
#include "platform/profile_file.h"
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

struct Box {
    QString text;
    shell::BoxButtons buttons;
    QString caption;
};

class ShellTest : public ::testing::Test {
protected:
    QTemporaryDir home;
    QString folder = home.filePath(u"Tavro"_s);
    QString configPath = folder + u"/Config.ini"_s;
    FakeSerialLine line;
    platform::ManualClock clock;
    link::PortList ports;
    std::unique_ptr<shell::Program> program;
    QList<Box> boxes;
    int boxAnswer = 0;
    int quits = 0;

    // Settings written before the program starts, as "section/key" = value.
    void store(const QString &section, const QString &key, const QString &value)
    {
        QDir().mkpath(folder);
        ASSERT_TRUE(platform::ProfileFile(configPath).write(section, key, value));
    }
    void startProgram()
    {
        program = std::make_unique<shell::Program>(
            line, clock, [this] { return ports; }, folder);
        program->prompter().messageBox = [this](const QString &text, shell::BoxButtons b,
                                                const QString &c) {
            boxes << Box{text, b, c};
            return boxAnswer;
        };
        window().quit = [this] { ++quits; };
        program->onMainWindowCreated();
    }
    void identify(int port = 1)
    {
        line.openable = {port};
        link().startConnect();
        line.deliver(bytes({0xFF, 0x01, 0x0A, 0x00}));
        ports.names = u"COM%1A"_s.arg(port);
        line.writes.clear();
    }

    shell::MainWindow &window() { return program->window(); }
    shell::AppWindow &appWindow() { return program->appWindow(); }
    link::EngraverLink &link() { return program->link(); }
    template <typename T = QWidget>
    T *unit(const QString &name)
    {
        T *w = window().findChild<T *>(name);
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
        return platform::ProfileFile(configPath).read(u"MainWindow"_s, u"Language"_s, u"none"_s);
    }
    QStringList enabledMachineControls()
    {
        QStringList out;
        for (QWidget *w : window().machineControls())
            if (w->isEnabled()) out << w->objectName();
        return out;
    }
};

}  // namespace tavro::test
