// A whole program whose file dialogs answer from a list, with pictures to open.
#pragma once

#include "shell/main_menu.h"
#include "shell/main_window.h"
#include "shell/recent_files.h"
#include "shell_fixture.h"

#include <QAction>
#include <QImage>
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
