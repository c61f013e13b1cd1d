// A desktop that answers for the operator: boxes, file dialogs, the font dialog, the browser.
#pragma once

#include "shell/desktop.h"

#include <QFont>
#include <QList>
#include <QStringList>

#include <functional>
#include <optional>

namespace tavro::test {

class FakeDesktop final : public shell::Desktop {
public:
    struct Box {
        QString text;
        shell::BoxButtons buttons;
        QString caption;
        QStringList choices;  // the buttons of a choice; empty for OK and OK/Cancel boxes
    };
    QList<Box> boxes;
    int boxAnswer = 0;            // 0 OK, 1 Cancel
    int choice = 1;               // the button chosen in a choice
    std::function<void()> onBox;  // runs while the "modal" box is open
    QList<std::pair<shell::FileQuestion, QString>> asked;
    QStringList answers;  // what the file dialogs answer next; cancelled once empty
    QList<std::pair<QString, QString>> abouts;
    QList<std::pair<QString, QString>> notices;
    int quits = 0;
    int sitesOpened = 0;
    QList<QFont> fontsAsked;
    std::optional<QFont> fontAnswer;  // nothing: the font dialog is cancelled

    int messageBox(const QString &text, shell::BoxButtons buttons, const QString &caption) override
    {
        boxes << Box{text, buttons, caption, {}};
        if (onBox) onBox();
        return boxAnswer;
    }
    int choose(const QString &text, const QString &caption, const QStringList &buttons) override
    {
        boxes << Box{text, shell::BoxButtons::Ok, caption, buttons};
        if (onBox) onBox();
        return choice;
    }
    QString askFile(shell::FileQuestion question, const QString &suggested, QWidget *) override
    {
        asked << std::pair{question, suggested};
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
    void showAbout(const QString &title, const QString &text, QWidget *) override
    {
        abouts << std::pair{title, text};
    }
    void notify(const QString &title, const QString &text) override
    {
        notices << std::pair{title, text};
    }
    void openMakerSite() override { ++sitesOpened; }
    void quit() override { ++quits; }
    std::optional<QFont> chooseFont(const QFont &current) override
    {
        fontsAsked << current;
        return fontAnswer;
    }
};

}  // namespace tavro::test
