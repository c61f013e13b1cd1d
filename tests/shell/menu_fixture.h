// A whole program whose file dialogs answer from a list, with pictures to open.
#pragma once

#include "shell/main_menu.h"
#include "shell/main_window.h"
#include "shell/recent_files.h"
#include "shell_fixture.h"

#include <QAction>
#include <QImage>
#include <QMenu>
#include <QPainter>

namespace tavro::test {

class MenuTest : public ShellTest {
protected:
    using Question = shell::FileQuestion;
    QList<std::pair<Question, QString>> &asked = desktop.asked;
    QStringList &answers = desktop.answers;  // what the file dialogs answer next

    void SetUp() override { start(); }
    // A new program on the same settings folder, as the next start of the program.
    void start() { startProgram(); }
    QAction &action(shell::MainMenu::Command command)
    {
        return mainWindow().menu().action(command);
    }
    QAction &action(session::CommandId command) { return mainWindow().menu().action(command); }
    // The recent list as the settings file keeps it, newest first.
    QStringList storedRecent() const
    {
        const settings::ProfileFile stored(configPath);
        QStringList paths;
        for (int i = 1; i <= shell::RecentFiles::MaxCount; ++i)
            if (QString path = stored.read(u"RecentFiles"_s, u"File%1"_s.arg(i), {});
                !path.isEmpty())
                paths << path;
        return paths;
    }
    // What Open Recent lists when it opens (files gone by then are dropped), whole paths.
    QStringList recentEntries()
    {
        QMenu &recent = mainWindow().menu().recentMenu();
        emit recent.aboutToShow();
        QStringList paths;
        for (const QAction *entry : recent.actions())
            if (entry->isEnabled()) paths << entry->toolTip();
        return paths;
    }
    QString picture(const QString &name)
    {
        QImage image(120, 80, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter(&image).fillRect(20, 20, 60, 30, Qt::black);
        const QString path = home.filePath(name);
        EXPECT_TRUE(image.save(path, "PNG"));
        return path;
    }
};

}  // namespace tavro::test
